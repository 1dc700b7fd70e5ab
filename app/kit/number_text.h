// Reading and showing the numbers typed into the screens' fields. Reading uses the C locale
// whatever the environment says, so "1.5" means the same on every machine.
#pragma once

#include <QString>
#include <optional>

namespace vnk::app {

// A whole number, blanks around it allowed; nullopt for anything else or one out of int range.
std::optional<int> parseInteger(const QString& text);
// A finite real number ("1.5", "-2", "3e4"); nullopt for anything else, nan and inf included.
std::optional<double> parseReal(const QString& text);
// A real as a field shows it: the shortest text that reads back the same value.
QString fieldText(double value);

}  // namespace vnk::app
