#include "print/report_layout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <limits>

namespace vnk::print {
namespace {

constexpr int kTabColumns = 8;
// Length of the first prefix tried against the page before the halving, in characters.
constexpr qsizetype kFirstProbe = 4096;

// QTextLayout ends lines at the Unicode line separator, not at a line feed; the swap keeps
// every character at its place. A line feed ends the line before it: one at the very end opens
// no further line (QTextLayout would add an empty one, and a text that just fills a page would
// spill that empty line onto a page of its own).
QString WithLineSeparators(QStringView text) {
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    QString s = text.toString();
    s.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return s;
}

// Breaks the layout's text into lines of the page width, one below the other, stopping once
// they are taller than `stopAbove`; returns their height.
qreal BreakIntoLines(QTextLayout& layout, qreal width, qreal tabStop, qreal stopAbove) {
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(tabStop);
    layout.setTextOption(option);
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
        if (y > stopAbove) break;
    }
    layout.endLayout();
    return y;
}

}  // namespace

QFont ReportFont() {
    QFont font(QStringLiteral("Courier New"), 9, QFont::Bold);
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::TypeWriter, QFont::PreferOutline);
    font.setFixedPitch(true);
    font.setKerning(false);
    return font;
}

ReportLayout::ReportLayout(const QFont& font, const QPaintDevice* device, const QSizeF& page)
    : font_(font), device_(device), page_(page) {
    const qreal wanted =
        kTabColumns * QFontMetricsF(font_, device_).horizontalAdvance(QLatin1Char(' '));
    // QTextLayout scales tab distances by the device resolution over its own default one;
    // measure that factor once rather than depend on how it is worked out.
    constexpr qreal kProbe = 1000.0;
    QTextLayout probe(QStringLiteral("\tX"), font_, device_);
    BreakIntoLines(probe, 1e9, kProbe, std::numeric_limits<qreal>::infinity());
    const qreal scale = probe.lineCount() > 0 ? probe.lineAt(0).cursorToX(1) / kProbe : 1.0;
    tabStop_ = scale > 0 ? wanted / scale : wanted;
}

qreal ReportLayout::lineHeight() const {
    return height(QStringLiteral("X"), std::numeric_limits<qreal>::infinity());
}

qreal ReportLayout::height(QStringView text, qreal stopAbove) const {
    QTextLayout layout(WithLineSeparators(text), font_, device_);
    return BreakIntoLines(layout, page_.width(), tabStop_, stopAbove);
}

bool ReportLayout::fits(QStringView text) const {
    return height(text, page_.height()) <= page_.height();
}

qsizetype ReportLayout::pageLength(QStringView text, qsizetype from) const {
    const qsizetype remaining = text.size() - from;
    if (remaining <= 0) return 0;
    const QStringView rest = text.mid(from);
    // A prefix that does not fit rules out every longer one. Finding a short such prefix first
    // spares the halving from laying out far more text than a page can hold.
    qsizetype tooLong = remaining + 1;
    for (qsizetype probe = kFirstProbe; probe < remaining; probe *= 2) {
        if (!fits(rest.first(probe))) {
            tooLong = probe;
            break;
        }
    }
    auto prefixFits = [&](qsizetype k) { return k < tooLong && fits(rest.first(k)); };
    if (prefixFits(remaining)) return remaining;
    // prefixFits(lo) holds (or lo is 0), prefixFits(hi) does not.
    qsizetype lo = 0;
    qsizetype hi = remaining;
    while (hi - lo > 1) {
        const qsizetype mid = lo + (hi - lo) / 2;
        if (prefixFits(mid))
            lo = mid;
        else
            hi = mid;
    }
    return std::max<qsizetype>(lo, 1);
}

void ReportLayout::draw(QPainter& painter, QStringView text) const {
    QTextLayout layout(WithLineSeparators(text), font_, device_);
    BreakIntoLines(layout, page_.width(), tabStop_, std::numeric_limits<qreal>::infinity());
    painter.save();
    painter.setClipping(false);
    painter.setPen(Qt::black);
    layout.draw(&painter, QPointF(0, 0));
    painter.restore();
}

}  // namespace vnk::print
