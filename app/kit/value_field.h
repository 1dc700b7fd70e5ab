// How the model screens show and read numbers: read-only value boxes in the report's fixed
// decimals (value_display.h), blue when their plain decimal form would mislead, and input
// boxes read in the C locale.
#pragma once

#include <QFont>
#include <QString>
#include <optional>

class QLineEdit;
class QWidget;

namespace vnk::screens {

// The shortest text that reads back as the same value.
QString ValueText(double value);
// A finite number typed into a box; nullopt for anything else (blank, "abc", "nan").
std::optional<double> ParseValue(const QString& text);
// A whole number typed into a box; nullopt for anything else.
std::optional<int> ParseWhole(const QString& text);
// A finite number typed into a box; anything else (blank, "abc", "nan") reads as 0.
double ReadValue(const QString& text);
// Shows `value` in `box` with `decimals` decimals, blue when IsHighlightedValue says so.
void ShowValue(QLineEdit& box, double value, int decimals = 3);
// True when the box currently draws its text in blue.
bool IsShownBlue(const QLineEdit& box);
// A read-only box for a computed value.
QLineEdit* NewValueBox(QWidget* parent);
// The bold font of the screens' section headings.
QFont HeadingFont(const QFont& base);

}  // namespace vnk::screens
