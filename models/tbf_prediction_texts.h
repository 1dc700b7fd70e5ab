// Prediction texts shared by the time-between-failure models: the screen pieces and report
// lines of the common questions, the input messages, and the guard that keeps non-finite
// prediction results off the screens.
#pragma once

#include <string>
#include <vector>

#include "models/model_description.h"

namespace vnk::models {

// "A positive number is required to run Prediction <question>"
std::string PositiveNumberRequired(int question);

// Pieces of the common questions, in screen order.
std::vector<PredictionPiece> ReliabilityPieces();       // time -> reliability
std::vector<PredictionPiece> NextFailuresPieces();      // K -> total MTBNF
std::vector<PredictionPiece> DesiredIntensityPieces();  // DIF -> failures (output 0), time (1)
std::vector<PredictionPiece> FurtherFailuresPieces();   // LOP -> expected failures

// Report lines of the common questions.
std::string ReliabilityLine(double time, double reliability);
std::string NextFailuresLine(double K, double total);
std::string DesiredIntensityLine(double DIF, double failures, double time);
std::string FurtherFailuresLine(double LOP, double failures);

// Input `index` of question `question`, or 0.0 when the screen holds none.
double ValueAt(const std::vector<std::vector<double>>& table, std::size_t question,
               std::size_t index);

// The error box text of the models whose estimation fails only when the data do not suit the
// model or the total faults fall below the failures seen.
std::string TotalFaultsErrorText(int RFLAG);

// A prediction result as a screen and a report may show it: an overflow becomes the table
// sanitiser's marker with its sign, a not-a-number value 0.0.
double Displayable(double value);

}  // namespace vnk::models
