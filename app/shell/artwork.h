// The program's pictures, drawn rather than stored: the window icon and the splash picture.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace vnk::app {

QIcon ProgramIcon();
// The start-up picture: the program's name over a falling failure-intensity curve.
QPixmap SplashPicture();

}  // namespace vnk::app
