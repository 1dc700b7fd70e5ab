// Which displayed values are drawn in blue: those whose plain decimal form would mislead in a
// narrow field (too many integer digits, or a tiny value that shows as zeros).
#pragma once

namespace vnk::models {

// True when the value is not 0, its "%f" text is longer than five characters, and either
// those five characters hold no decimal point, or they read "0.000" and the "%e" form's
// exponent is below -4.
bool IsHighlightedValue(double value);

}  // namespace vnk::models
