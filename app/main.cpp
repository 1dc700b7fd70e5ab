// Varnok 3: the splash picture, the main window, the start-up configuration of the current
// folder, then the program's message loop.
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QSplashScreen>
#include <QThread>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <filesystem>

#include "app/kit/messages.h"
#include "app/kit/prompter.h"
#include "app/kit/table_copy.h"
#include "app/shell/artwork.h"
#include "app/shell/document.h"
#include "app/shell/main_frame.h"

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

// The command line: --help, --version and the data files to open. Read before the windowing
// system starts, so that --help and --version work without a display.
struct CommandLine {
    QStringList files;
    bool done = false;  // --help, --version or an error: the program ends with `status`
    int status = 0;
};

CommandLine parseCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Reliability growth analysis of software, hardware and systems from failure history."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The data file to open (instead of the one "
                                                "VARNOK3.INI in the current folder names)."),
                                 QStringLiteral("[FILE]"));
    CommandLine line;
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "varnok3: %s\n", qPrintable(parser.errorText()));
        line.done = true;
        line.status = 2;
    } else if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        line.done = true;
    } else if (parser.isSet(version)) {
        std::printf("varnok3 %s\n", qPrintable(QCoreApplication::applicationVersion()));
        line.done = true;
    }
    line.files = parser.positionalArguments();
    return line;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationVersion(QStringLiteral(VARNOK_VERSION));
    const CommandLine line = parseCommandLine(argc, argv);
    if (line.done) return line.status;

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
    // Ctrl+C on any value table copies it as tab-separated text.
    vnk::app::TableCopyFilter tableCopy;
    app.installEventFilter(&tableCopy);
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::current_path(ec);
    if (!frame.startUp(ec ? std::filesystem::path(".") : folder, line.files.isEmpty())) return 1;
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
    if (!line.files.isEmpty()) {
        // Opened once the main window is up, so its screens and messages sit over it.
        QTimer::singleShot(0, &frame,
                           [&frame, files = line.files] { frame.openCommandLineFiles(files); });
    }
    return app.exec();
}
