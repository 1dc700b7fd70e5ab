#include "app/kit/dialog_geometry.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace vnk::screens {

namespace {

// Room a title bar takes beside its caption: the window icon and the close button with their
// padding, at the usual title bar sizes.
constexpr int kTitleBarChrome = 96;

QRect AvailableArea(const QWidget& window, const QWidget* over) {
    const QScreen* screen = over ? over->screen() : window.screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
}

// The window manager's frame around `window`: as the platform reports it once the window
// exists, otherwise room for a usual border and title bar, so that the frame, not just the
// inside, stays within the screen.
QMargins FrameAllowance(QDialog& window) {
    window.winId();  // the platform window, which knows its frame where the platform can tell
    const QMargins known =
        window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
    return known.isNull() ? QMargins(4, 30, 4, 4) : known;
}

}  // namespace

int CaptionWidth(const QDialog& dialog) {
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(dialog.windowTitle()) + kTitleBarChrome;
}

void PrepareModalScreen(QDialog& dialog) {
    Qt::WindowFlags flags = dialog.windowFlags();
    flags &= ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    flags |= Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
             Qt::WindowCloseButtonHint;
    dialog.setWindowFlags(flags);

    const QWidget* over =
        dialog.parentWidget() ? dialog.parentWidget()->window() : QApplication::activeWindow();
    if (over == &dialog) over = nullptr;
    const QRect area = AvailableArea(dialog, over);
    dialog.ensurePolished();
    const QSize hint = dialog.sizeHint().expandedTo(dialog.minimumSizeHint());
    // A screen that chose its own size keeps it where its contents and caption fit.
    const QSize chosen = dialog.testAttribute(Qt::WA_Resized) ? dialog.size() : QSize(0, 0);
    const QMargins frame = FrameAllowance(dialog);
    const QSize room(area.width() - frame.left() - frame.right(),
                     area.height() - frame.top() - frame.bottom());
    dialog.resize(
        std::min(std::max({chosen.width(), hint.width(), CaptionWidth(dialog)}), room.width()),
        std::min(std::max(chosen.height(), hint.height()), room.height()));
    CentreOn(dialog, over);
}

void CentreOn(QWidget& window, const QWidget* over) {
    const QRect area = AvailableArea(window, over);
    const QRect frame = window.frameGeometry();
    const QSize size = frame.size().boundedTo(area.size());
    const QPoint centre = over ? over->frameGeometry().center() : area.center();
    int left = centre.x() - size.width() / 2;
    int top = centre.y() - size.height() / 2;
    left = std::clamp(left, area.left(), area.right() + 1 - size.width());
    top = std::clamp(top, area.top(), area.bottom() + 1 - size.height());
    window.move(left, top);
}

}  // namespace vnk::screens
