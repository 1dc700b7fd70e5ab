#include "app/kit/header_button.h"

#include <qdrawutil.h>

#include <QPainter>

namespace vnk::interval_screens {

HeaderButton::HeaderButton(const QString& text, const QColor& fill, const QColor& textColour,
                           QWidget* parent)
    : QPushButton(text, parent), fill_(fill), textColour_(textColour) {
    setAutoDefault(false);
}

void HeaderButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QBrush brush(fill_);
    // Raised while up, sunken while pressed, like the system's own buttons.
    qDrawShadePanel(&painter, rect(), palette(), isDown(), 2, &brush);
    painter.setPen(textColour_);
    painter.drawText(rect().adjusted(2, 2, -2, -2), Qt::AlignCenter, text());
    if (hasFocus()) {
        painter.setPen(QPen(textColour_, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}

}  // namespace vnk::interval_screens
