// The help: every page compiled in and every link between pages resolving, the help window's
// contents, Help / Help Topics, every screen's Help button, and About.
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

#include "app/screens/data/descriptor_screens.h"
#include "app/screens/data/input_file_format_screen.h"
#include "app/screens/data/interval_input_screens.h"
#include "app/screens/data/statistics_screens.h"
#include "app/screens/data/tbf_edit_screen.h"
#include "app/screens/data/tbf_input_screen.h"
#include "app/screens/data/transformation_screen.h"
#include "app/screens/data/value_screen.h"
#include "app/shell/about_screen.h"
#include "app/shell/command_table.h"
#include "app/shell/help_window.h"
#include "support/app_harness.h"

using namespace vnk;
using namespace vnk::app;
using namespace vnk::app::test;

namespace {

QString pageText(const QString& page) {
    QFile file(HelpPagePath(page));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT
  private slots:
    void everyPageIsCompiledInAndLinksResolve();
    void windowShowsPagesWithTheirContentsEntry();
    void helpTopicsOpensTheContents();
    void everyScreenHasAHelpButton();
    void aboutShowsNameAndVersion();
};

void HelpTest::everyPageIsCompiledInAndLinksResolve() {
    const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)\\.html"));
    QStringList pages;
    for (const HelpTopic& t : HelpTopics()) pages << QString::fromLatin1(t.page);
    for (const QString& page : pages) {
        const QString text = pageText(page);
        QVERIFY2(text.size() > 400, qPrintable(page));
        QVERIFY2(text.contains(QStringLiteral("<h1>")), qPrintable(page));
        for (const auto& m : link.globalMatch(text))
            QVERIFY2(pages.contains(m.captured(1)),
                     qPrintable(page + QStringLiteral(" links to ") + m.captured(1)));
    }
    // Every model the program runs has a page, reachable from the contents page.
    const QString contents = pageText(QStringLiteral("index"));
    for (const QString& page : pages)
        if (page.startsWith(QStringLiteral("model_")))
            QVERIFY2(contents.contains(page + QStringLiteral(".html")), qPrintable(page));
}

void HelpTest::windowShowsPagesWithTheirContentsEntry() {
    HelpWindow window;
    QCOMPARE(window.currentPage(), QStringLiteral("index"));
    window.showPage(QStringLiteral("menu_data"));
    QCOMPARE(window.currentPage(), QStringLiteral("menu_data"));
    QVERIFY(window.browser()->toPlainText().contains(QStringLiteral("Smoothed Data")));
    QCOMPARE(window.contents()->currentItem()->data(Qt::UserRole).toString(),
             QStringLiteral("menu_data"));
    window.contents()->setCurrentRow(2);
    QCOMPARE(window.currentPage(), QString::fromLatin1(HelpTopics()[2].page));
    window.showPage(QStringLiteral("no_such_page"));
    QCOMPARE(window.currentPage(), QStringLiteral("index"));
}

void HelpTest::helpTopicsOpensTheContents() {
    AppHarness h;
    h.frame.runCommand(command::kHelpTopics);
    QCOMPARE(h.prompter.helpPages, QStringList{"index"});
}

void HelpTest::everyScreenHasAHelpButton() {
    ScriptedPrompter p;
    FailureDataSet set;
    set.dataKind = DataKind::Tbf;
    set.errorHistory = ErrorHistory::Software;
    set.severityType = SeverityType::SameLevel;
    std::vector<std::unique_ptr<Screen>> screens;
    screens.emplace_back(new CellCombinationsScreen(p, 5));
    screens.emplace_back(new IterationMaximumScreen(p, 1000));
    screens.emplace_back(new PredictionNumberScreen(p, 0));
    screens.emplace_back(new FailureFreeTimeScreen(p, 0));
    screens.emplace_back(new CorrectionsScreen(p, 3));
    screens.emplace_back(new DataTypeScreen(p));
    screens.emplace_back(new TbfHistoryScreen(p, set));
    screens.emplace_back(new ErrorHistoryScreen(p));
    screens.emplace_back(new IntervalSoftwareOptionsScreen(p));
    screens.emplace_back(new IntervalHardwareOptionsScreen(p, set));
    screens.emplace_back(new AdditionalInputScreen(p));
    screens.emplace_back(new TbfInputScreen(p, set));
    screens.emplace_back(new IntervalSoftwareInputScreen(p, set));
    screens.emplace_back(new IntervalHardwareInputScreen(p, set));
    screens.emplace_back(new TbfEditScreen(p, set));
    screens.emplace_back(new MergeScreen(p, 1, 1));
    screens.emplace_back(new InputFileFormatScreen(p));
    screens.emplace_back(new TransformationScreen(p, 1));
    screens.emplace_back(new SoftwareStatisticsScreen(p, {}, 0));
    screens.emplace_back(new SystemStatisticsScreen(p, {}, {}, {}));
    for (const auto& screen : screens) {
        QPushButton* help = screen->button(QStringLiteral("helpButton"));
        QVERIFY2(help, qPrintable(screen->windowTitle()));
        QCOMPARE(help->text(), QStringLiteral("Help"));
        const qsizetype before = p.helpPages.size();
        help->click();
        QCOMPARE(p.helpPages.size(), before + 1);
        QVERIFY2(!pageText(p.helpPages.last()).isEmpty(), qPrintable(p.helpPages.last()));
    }
    screens.clear();
    QCOMPARE(set.tbfCount, 0);  // the input screen's pending entry is not left behind
}

void HelpTest::aboutShowsNameAndVersion() {
    AppHarness h;
    h.prompter.on<AboutScreen>([](AboutScreen& s) {
        const QString text = s.findChild<QLabel*>(QStringLiteral("aboutText"))->text();
        QVERIFY(text.contains(QStringLiteral("Varnok 3")));
        QVERIFY(text.contains(QStringLiteral("Version 3.0")));
        Click(s, QStringLiteral("okButton"));
    });
    h.frame.runCommand(command::kAbout);
    QVERIFY(h.prompter.problems.isEmpty());
    QVERIFY(h.prompter.scriptDone());
}

QTEST_MAIN(HelpTest)
#include "help_test.moc"
