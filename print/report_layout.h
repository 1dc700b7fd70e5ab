// How report text is laid out on a page: in the report font, word-wrapped to the page width
// (a word longer than the width is broken at the width, so nothing runs off the right edge),
// tabs expanded to every eighth column, line feeds ending lines. Measuring and drawing use the
// same layout, so what was measured to fit is what is drawn.
#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>
#include <QStringView>

class QPaintDevice;
class QPainter;

namespace vnk::print {

// The print font: "Courier New" 9 points bold, fixed pitch; where that face is missing the
// metric-identical Liberation Mono is used, then any monospaced face.
QFont ReportFont();

class ReportLayout {
  public:
    // `device` gives the resolution; `page` is the printable area in its units.
    ReportLayout(const QFont& font, const QPaintDevice* device, const QSizeF& page);

    // Whether the whole text is no taller than the page.
    bool fits(QStringView text) const;

    // How many characters of `text` from `from` go on one page: the largest count whose layout
    // fits, found by halving the interval between 0 and the number of remaining characters.
    // At least one while characters remain, so every page makes progress.
    qsizetype pageLength(QStringView text, qsizetype from) const;

    // Draws the text at the top left of the page, without clipping.
    void draw(QPainter& painter, QStringView text) const;

    const QSizeF& page() const { return page_; }
    // Height of one line of text.
    qreal lineHeight() const;

  private:
    // Height of the laid-out text, or a value above the page as soon as it exceeds it.
    qreal height(QStringView text, qreal stopAbove) const;

    QFont font_;
    const QPaintDevice* device_;
    QSizeF page_;
    qreal tabStop_;
};

}  // namespace vnk::print
