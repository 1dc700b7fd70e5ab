// Result screen, prediction questions and report texts of the Littlewood and Verrall models.
#pragma once

#include <string>

#include "models/model_description.h"

namespace vnk::models {

const ModelDescription& LittlewoodVerrallLinearModel();
const ModelDescription& LittlewoodVerrallQuadraticModel();

// The variant's description by PHIIND (1 linear, 2 quadratic).
const ModelDescription& LittlewoodVerrallModel(int PHIIND);

// Title of the screen that offers the maximum likelihood starting values, and its text.
std::string LittlewoodVerrallStartingValuesTitle(int PHIIND);
inline constexpr const char* kLittlewoodVerrallStartingValuesText =
    "The computed initial estimates for the Maximum Likelihood execution are:";
inline constexpr const char* kLittlewoodVerrallBeta0Label = "Beta0 ";
inline constexpr const char* kLittlewoodVerrallBeta1Label = "Beta1 ";

}  // namespace vnk::models
