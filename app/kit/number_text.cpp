#include "app/kit/number_text.h"

#include <QLocale>
#include <cmath>

namespace vnk::app {

std::optional<int> parseInteger(const QString& text) {
    bool ok = false;
    const int value = QLocale::c().toInt(text.trimmed(), &ok);
    if (!ok) return std::nullopt;
    return value;
}

std::optional<double> parseReal(const QString& text) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

QString fieldText(double value) {
    return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
}

}  // namespace vnk::app
