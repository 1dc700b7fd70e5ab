// The calendar time component of Musa's basic model: how many calendar hours the failure
// identification, failure correction and computer resources need to raise the MTBNF from
// its current to a desired value. All times are in hours.
#pragma once

namespace vnk {

// TNOF total faults, CMTBFH / DMTBFH / IMTBFH current, desired and initial MTBNF, NS failures
// so far, PC computer shifts, PF correction personnel, PI identification personnel, PMQ the
// probability that the debugging queue stays within XMQ, RHOC computer utilisation, TC and TI
// computer time and identification work per unit execution time, XMC, XMF and XMI computer
// time, correction work and identification work per failure. XINT: the calendar hours.
void SMUSCT(double TNOF, double CMTBFH, double DMTBFH, double IMTBFH, int NS, double PC, double PF,
            double PI, double PMQ, double RHOC, double TC, double TI, double XMC, double XMF,
            double XMI, double XMQ, double& XINT);

}  // namespace vnk
