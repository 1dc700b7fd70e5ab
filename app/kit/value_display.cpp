#include "app/kit/value_display.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>

namespace vnk::screens {

namespace {

constexpr const char* kFullValueProperty = "vnkFullValue";
// The filter is found by name: it has no meta-object of its own, so findChild cannot tell it
// from the box's other children by type.
constexpr const char* kFullValueCopyName = "vnkFullValueCopy";
// QLineEdit keeps this many pixels free at either side of its text.
constexpr int kLineEditHorizontalMargin = 2;

// Copies the box's full value rather than the rounded text it shows.
class FullValueCopy : public QObject {
  public:
    explicit FullValueCopy(QLineEdit* box) : QObject(box), box_(box) {
        setObjectName(QString::fromLatin1(kFullValueCopyName));
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != box_) return false;
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            copy();
            return true;
        }
        if (event->type() == QEvent::ContextMenu) {
            QMenu menu;
            menu.addAction(QObject::tr("&Copy"), [this] { copy(); });
            menu.exec(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        return false;
    }

  private:
    void copy() const {
        const QVariant full = box_->property(kFullValueProperty);
        QApplication::clipboard()->setText(full.isValid() ? full.toString() : box_->text());
    }
    QLineEdit* box_;
};

void Present(QLineEdit& box, const QString& shown, const QString& full) {
    if (box.findChild<QObject*>(QString::fromLatin1(kFullValueCopyName),
                                Qt::FindDirectChildrenOnly) == nullptr)
        box.installEventFilter(new FullValueCopy(&box));
    box.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box.setText(shown);
    box.setToolTip(full);
    box.setCursorPosition(0);
    FitToText(box);
}

}  // namespace

int EstimateDecimals(const std::string& label) {
    for (const char* whole : {"MTBNF", "Mean Time Before Next Failure", "Number of Faults"})
        if (label.find(whole) != std::string::npos) return kCountDecimals;
    return kEstimateDecimals;
}

QString FixedText(double value, int decimals) {
    if (!std::isfinite(value)) return QStringLiteral("n/a");
    return QString::asprintf("%.*f", decimals, value);
}

void ShowFixed(QLineEdit& box, double value, int decimals) {
    const bool finite = std::isfinite(value);
    const QString full = finite ? QString::number(value, 'g', QLocale::FloatingPointShortest)
                                : QStringLiteral("n/a");
    if (finite)
        box.setProperty(kFullValueProperty, full);
    else
        box.setProperty(kFullValueProperty, QVariant());
    Present(box, FixedText(value, decimals), full);
}

void ShowWholeNumber(QLineEdit& box, int value) {
    box.setProperty(kFullValueProperty, QString::number(value));
    Present(box, QString::number(value), QString::number(value));
}

void ShowNotAvailable(QLineEdit& box, const QString& reason) {
    box.setProperty(kFullValueProperty, QVariant());
    Present(box, QStringLiteral("n/a"), reason);
}

std::optional<double> FullValue(const QLineEdit& box) {
    const QVariant full = box.property(kFullValueProperty);
    if (!full.isValid()) return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(full.toString(), &ok);
    if (!ok) return std::nullopt;
    return value;
}

int TextRoom(const QLineEdit& box) {
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.rect = box.contentsRect();
    option.lineWidth =
        box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    const QRect contents = box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box);
    const QMargins margins = box.textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * kLineEditHorizontalMargin;
}

void FitToText(QLineEdit& box) {
    const int needed = box.fontMetrics().horizontalAdvance(box.text());
    // The frame and margins around the text, as the box has them at its current width.
    const int chrome = box.width() - TextRoom(box);
    const int wanted = needed + chrome + 2;
    if (box.minimumWidth() < wanted) box.setMinimumWidth(wanted);
}

}  // namespace vnk::screens
