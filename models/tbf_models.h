// Result screens, prediction questions and report texts of the Geometric and Jelinski/Moranda
// models.
#pragma once

#include "models/model_description.h"

namespace vnk::models {

const ModelDescription& GeometricModel();
const ModelDescription& JelinskiMorandaModel();

}  // namespace vnk::models
