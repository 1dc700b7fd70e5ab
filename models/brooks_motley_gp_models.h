// Descriptions of the Brooks and Motley and the generalized Poisson models: screen texts,
// prediction questions with their "Run" rules, report blocks and error texts.
//
// ModelContext use: counts C, lengths L, fractions F (Brooks and Motley only) and corrections
// holding the previous faults M; intervalStats; scalars "PEC" (Brooks and Motley, the value
// the estimation ran with), "PMAX" (the period limit of the Setup menu, default 1000),
// "LCOR" (generalized Poisson: corrections after the final interval); ESF the numerical method.
#pragma once

#include <string>

#include "models/model_description.h"

namespace vnk::models {

// BOPFLG 1 (binomial) or 2 (Poisson).
ModelDescription BrooksMotleyModel(int BOPFLG);
ModelDescription BrooksMotleyBinomialModel();
ModelDescription BrooksMotleyPoissonModel();

// WFSF 1, 2 or 3.
ModelDescription GeneralizedPoissonModel(int weighting);

// The initial estimates screens.
struct InitialEstimatesTexts {
    std::string title;
    std::string heading;
    std::vector<std::string> labels;  // one per editable value, in screen order
};

// "Brooks and Motley Discrete SR Model": PEC, PED and the total number of faults.
InitialEstimatesTexts BrooksMotleyInitialEstimatesTexts();
// The total the screen shows for the TNOF that SBAMIN computed.
double BrooksMotleyShownTotal(double TNOF);
// PEC and PED are accepted within this range (the standard range check).
inline constexpr double kBamProbabilityMin = 1e-7;
inline constexpr double kBamProbabilityMax = 0.99999;
// Whether OK closes the screen with the entered total (otherwise it stays open silently).
bool BrooksMotleyTotalAccepted(double entered, double TNOF);

// "Generalized Poisson Model - Weighting Function 2" or "... 3": ALPHA and AN.
InitialEstimatesTexts GeneralizedPoissonInitialEstimatesTexts(int weighting);
inline constexpr double kGpoAlphaMin = 0.0;
inline constexpr double kGpoAlphaMax = 10000000.0;
// Whether OK closes the screen: AN not below the last interval's count and not above 1e7.
bool GeneralizedPoissonTotalAccepted(double AN, double lastCount);

}  // namespace vnk::models
