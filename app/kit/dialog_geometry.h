// How a modal screen is put on the screen: sized to its contents and to its caption, without
// minimise and maximise buttons, centred on the window it belongs to and kept inside the
// available screen area.
#pragma once

class QDialog;
class QWidget;

namespace vnk::screens {

// The width a frame needs to show `dialog`'s caption unelided: the caption in the title font
// and room for the window manager's icon and buttons.
int CaptionWidth(const QDialog& dialog);
// Sets the flags, the size and the position before the screen is shown.
void PrepareModalScreen(QDialog& dialog);
// Centres `window` on `over` (or on the active window), inside the available screen area.
void CentreOn(QWidget& window, const QWidget* over);

}  // namespace vnk::screens
