// Varnok 3: the splash picture, the main window, the start-up configuration of the current
// folder, then the program's message loop.
#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QSplashScreen>
#include <QThread>
#include <clocale>
#include <filesystem>

#include "app/shell/artwork.h"
#include "app/shell/document.h"
#include "app/shell/main_frame.h"
#include "app/kit/messages.h"
#include "app/commands/model_execution.h"
#include "app/kit/prompter.h"

namespace {

// The splash picture stays up for a short while without taking input, then closes itself.
void showSplash() {
    QSplashScreen splash(vnk::app::SplashPicture());
    splash.setEnabled(false);
    splash.show();
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < 1200) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(20);
    }
    splash.close();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Qt took the number format from the environment; the data files and reports use the C
    // format whatever the user's language.
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QString::fromLatin1(vnk::app::text::kAppTitle));
    QApplication::setWindowIcon(vnk::app::ProgramIcon());

    showSplash();

    vnk::app::CVarno3Doc doc;
    vnk::app::WidgetPrompter prompter;
    vnk::app::CMainFrame frame(doc, prompter);
    vnk::app::InstallModelExecution(frame);
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::current_path(ec);
    if (!frame.startUp(ec ? std::filesystem::path(".") : folder)) return 1;
    // Without a window manager "maximised" means nothing; start at the screen's full size.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        frame.setGeometry(screen->availableGeometry());
    frame.showMaximized();
    // The raw data plot of a start-up load belongs in front of the main window.
    for (QWidget* w : frame.findChildren<QWidget*>())
        if (w->isWindow() && w->isVisible()) {
            w->raise();
            w->activateWindow();
        }
    return app.exec();
}
