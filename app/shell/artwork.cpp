#include "app/shell/artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "app/kit/messages.h"

namespace vnk::app {

namespace {

// A decreasing intensity curve through `area`, the picture of reliability growth.
QPainterPath growthCurve(const QRectF& area) {
    QPainterPath path;
    for (int k = 0; k <= 60; ++k) {
        const double x = k / 60.0;
        const double y = std::exp(-3.0 * x);
        const QPointF p(area.left() + x * area.width(), area.bottom() - y * area.height());
        if (k == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    return path;
}

QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(20, 60, 120));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.15, size * 0.15);
    const double m = size * 0.18;
    p.setPen(QPen(QColor(250, 200, 60), std::max(1.5, size * 0.08), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(growthCurve(QRectF(m, m, size - 2 * m, size - 2 * m)));
    return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) icon.addPixmap(drawIcon(size));
    return icon;
}

QPixmap SplashPicture() {
    const QSize size(480, 280);
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(20, 60, 120));
    sky.setColorAt(1.0, QColor(8, 24, 56));
    p.fillRect(pixmap.rect(), sky);
    p.setPen(QPen(QColor(250, 200, 60), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(growthCurve(QRectF(40, 120, 400, 120)));
    p.setPen(QColor(255, 255, 255));
    QFont title = p.font();
    title.setPointSize(30);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 24, size.width(), 60), Qt::AlignCenter,
               QString::fromLatin1(text::kAppTitle));
    QFont small = p.font();
    small.setPointSize(11);
    small.setBold(false);
    p.setFont(small);
    p.drawText(QRect(0, 80, size.width(), 30), Qt::AlignCenter,
               QStringLiteral("Software, hardware and system reliability estimation"));
    return pixmap;
}

}  // namespace vnk::app
