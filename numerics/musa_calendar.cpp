#include "numerics/musa_calendar.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "numerics/trace.h"

namespace vnk {

void SMUSCT(double TNOF, double CMTBFH, double DMTBFH, double IMTBFH, int NS, double PC, double PF,
            double PI, double PMQ, double RHOC, double TC, double TI, double XMC, double XMF,
            double XMI, double XMQ, double& XINT) {
    trace::Writer w;
    w.enter("SMUSCT");
    w.real("TNOF", TNOF);
    w.real("CMTBFH", CMTBFH);
    w.real("DMTBFH", DMTBFH);
    w.real("IMTBFH", IMTBFH);
    w.integer("NS", NS);
    w.real("PC", PC);
    w.real("PF", PF);
    w.real("PI", PI);
    w.real("PMQ", PMQ);
    w.real("RHOC", RHOC);
    w.real("TC", TC);
    w.real("TI", TI);
    w.real("XMC", XMC);
    w.real("XMF", XMF);
    w.real("XMI", XMI);
    w.real("XMQ", XMQ);

    // Utilisation of the correction personnel that keeps the queue within XMQ with
    // probability PMQ; identification personnel are fully used.
    const double rhoF = std::pow(1.0 - std::pow(PMQ, 1.0 / PF), 1.0 / XMQ);
    const double correction = PF * rhoF;  // effective correction capacity
    const double computer = PC * RHOC;    // effective computer capacity

    // MTBNF values at which the limiting resource changes: identification against correction,
    // correction against computer, identification against computer.
    const std::array<double, 3> crossings{
        ((PI * XMF) / correction - XMI) / TI,
        ((XMF * computer) / correction - XMC) / TC,
        (XMI * computer - PI * XMC) / (PI * TC - TI * computer),
    };
    std::array<double, 5> points{};
    int count = 0;
    points[count++] = CMTBFH;
    const int firstInner = count;
    for (double x : crossings) {
        if (x > CMTBFH && x < DMTBFH) points[count++] = x;
    }
    for (int pass = firstInner; pass < count; ++pass) {
        for (int i = firstInner; i + 1 < count; ++i) {
            if (points[i] > points[i + 1]) std::swap(points[i], points[i + 1]);
        }
    }
    points[count++] = DMTBFH;

    // Intensity still removable, and the scale from intensity to failures experienced.
    double budget = (TNOF - NS) / (TNOF * IMTBFH);
    const double scale = TNOF * IMTBFH;
    XINT = 0.0;
    for (int i = 0; i + 1 < count; ++i) {
        const double S = points[i];
        const double U = points[i + 1];
        const double V = S + 0.5 * (U - S);
        const double identificationRatio = (V * TI + XMI) / (V * PI);
        const double correctionRatio = XMF / (V * correction);
        const double computerRatio = (V * TC + XMC) / (V * computer);
        const double Z = std::min(1.0 / S - 1.0 / U, budget);
        if (identificationRatio >= correctionRatio && identificationRatio >= computerRatio) {
            XINT += (scale / PI) * (TI * std::log(U / S) + XMI * Z);
        } else if (correctionRatio >= computerRatio) {
            XINT += (scale / correction) * XMF * Z;
        } else {
            XINT += (scale / computer) * (TC * std::log(U / S) + XMC * Z);
        }
        budget -= Z;
    }

    w.yields("SMUSCT");
    w.real("XINT", XINT);
}

}  // namespace vnk
