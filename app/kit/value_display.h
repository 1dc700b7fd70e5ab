// How read-only value boxes show a number: in the fixed decimals of the printed report's
// line for it, right-aligned, in a box wide enough for the text, with the full value in the
// tool tip and on the clipboard when the user copies the box.
#pragma once

#include <QString>
#include <optional>
#include <string>

class QLineEdit;

namespace vnk::screens {

// Decimals of the report lines: estimates and predictions "%12.3f", fault totals and mean
// times between failures "%12.1f", the calendar time results "%12.5lf".
inline constexpr int kEstimateDecimals = 3;
inline constexpr int kCountDecimals = 1;
inline constexpr int kCalendarDecimals = 5;

// The report decimals of an estimate row, judged by its screen label.
int EstimateDecimals(const std::string& label);
// "%.*f" of the value; "n/a" for a value that is not finite.
QString FixedText(double value, int decimals);
// Shows `value` in `box` with `decimals` decimals and keeps its shortest full text for the
// tool tip and copy; the box grows to fit the text.
void ShowFixed(QLineEdit& box, double value, int decimals);
// Shows a whole number (a rank, degrees of freedom) the same way.
void ShowWholeNumber(QLineEdit& box, int value);
// Shows a fixed text ("n/a") with a reason in the tool tip.
void ShowNotAvailable(QLineEdit& box, const QString& reason);
// The full value behind a box that ShowFixed or ShowValue filled; nullopt otherwise.
std::optional<double> FullValue(const QLineEdit& box);
// Width in pixels a line edit gives its text (its contents rectangle less the text margins).
int TextRoom(const QLineEdit& box);
// Widens `box` so that its current text fits without scrolling.
void FitToText(QLineEdit& box);

}  // namespace vnk::screens
