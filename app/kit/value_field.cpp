#include "app/kit/value_field.h"

#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QStyle>
#include <cmath>

#include "app/kit/value_display.h"
#include "models/value_highlight.h"

namespace vnk::screens {

QString ValueText(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

std::optional<double> ParseValue(const QString& text) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int> ParseWhole(const QString& text) {
    bool ok = false;
    const int value = QLocale::c().toInt(text.trimmed(), &ok);
    if (!ok) return std::nullopt;
    return value;
}

double ReadValue(const QString& text) { return ParseValue(text).value_or(0.0); }

void ShowValue(QLineEdit& box, double value, int decimals) {
    ShowFixed(box, value, decimals);
    QPalette palette = box.palette();
    const QColor colour = models::IsHighlightedValue(value)
                              ? QColor(Qt::blue)
                              : box.style()->standardPalette().color(QPalette::Text);
    palette.setColor(QPalette::Text, colour);
    box.setPalette(palette);
}

bool IsShownBlue(const QLineEdit& box) {
    return box.palette().color(QPalette::Text) == QColor(Qt::blue);
}

QLineEdit* NewValueBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    ShowValue(*box, 0.0);
    return box;
}

QFont HeadingFont(const QFont& base) {
    QFont font = base;
    font.setPixelSize(20);
    font.setWeight(QFont::Bold);
    return font;
}

}  // namespace vnk::screens
