// Result screens, prediction questions and report texts of Musa's basic model (with its
// calendar time component), Musa's logarithmic model and the non-homogeneous Poisson model
// for time-between-failure data.
#pragma once

#include <string>
#include <vector>

#include "models/model_description.h"

namespace vnk::models {

const ModelDescription& MusaBasicModel();
const ModelDescription& MusaLogarithmicModel();
// Its ModelContext::data holds the cumulative failure times the model was fitted to.
const ModelDescription& NhppTbfModel();

// The calendar time screen of Musa's basic model ("Musa's Calendar Time"), Qt-free.
struct CalendarTimeInputs {
    int NS = 0;
    double TNOF = 0.0;    // total number of faults
    double CMTBFH = 0.0;  // current MTBNF
    double IMTBFH = 0.0;  // initial MTBNF
    double PI = 0.0;      // identification personnel
    double PF = 0.0;      // correction personnel
    double PC = 0.0;      // computer shifts
    double TC = 0.0;      // computer time per unit execution time
    double TI = 0.0;      // identification work per unit execution time
    double XMC = 0.0;     // computer time per failure
    double XMI = 0.0;     // identification work per failure
    double XMF = 0.0;     // correction work per failure
    double XMQ = 0.0;     // maximum queue length
    double PMQ = 0.0;     // probability the queue stays within XMQ
    double RHOC = 0.0;    // computer utilisation
    double DMTBFH = 0.0;  // desired MTBNF
};

// One field of the screen, in screen order; `value` points into CalendarTimeInputs (NS, the
// one integer field, is the first and has no pointer).
struct CalendarTimeField {
    std::string label;
    double CalendarTimeInputs::*value = nullptr;
};
const std::vector<CalendarTimeField>& CalendarTimeFields();
inline constexpr const char* kCalendarTimeTitle = "Musa's Calendar Time";
inline constexpr const char* kCalendarTimeResultLabel =
    "Additional hours to Mean Time Before Next Failure:";

// The warning shown before the screen opens when the data's TBF unit (0 none, 1 seconds,
// 2 minutes, 3 hours, ...) is not hours; "" when none is due. Exclamation icon, empty caption.
std::string CalendarTimeWarning(int tbfUnit);

// The screen's values on opening: NS and rows 10, 9 and 8 of the estimates, all else 0.
CalendarTimeInputs CalendarTimeDefaults(const ModelContext& ctx);

// "Run": the additional calendar hours (SMUSCT). A desired MTBNF not above the current one,
// or inputs the component cannot work with (no personnel, no queue, negative values, ...),
// give no number: the screen then shows 0.0 and `errorMessage` says why.
struct CalendarTimeOutcome {
    double XINT = 0.0;
    std::string errorMessage;
    std::string errorCaption = "Error";
};
CalendarTimeOutcome RunCalendarTime(const CalendarTimeInputs& in);

// The printed calendar time report.
std::string CalendarTimeReport(const CalendarTimeInputs& in, double XINT);

}  // namespace vnk::models
