// "Musa's Calendar Time": opening values, the hours warning, Run with its refusals, and the
// report; and the "Calendar" button a result screen offers.
#include "app/screens/model/calendar_time_screen.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <cmath>

#include "app/kit/value_display.h"
#include "app/kit/value_field.h"
#include "app/screens/model/model_result_screen.h"
#include "models/musa_nhpp_tbf_models.h"
#include "support/scripted_prompter.h"

using namespace vnk;
using namespace vnk::screens;

namespace {

// Field positions in the screen order of the labels.
enum Field {
    kNS,
    kTNOF,
    kCMTBFH,
    kIMTBFH,
    kPI,
    kPF,
    kPC,
    kTC,
    kTI,
    kXMC,
    kXMI,
    kXMF,
    kXMQ,
    kPMQ,
    kRHOC,
    kDMTBFH
};

models::ModelContext MusaContext() {
    models::ModelContext ctx;
    ctx.NS = 4;
    ctx.tbfStats(8, 1) = 1.0;    // initial MTBNF
    ctx.tbfStats(9, 1) = 1.0;    // current MTBNF
    ctx.tbfStats(10, 1) = 10.0;  // total faults
    return ctx;
}

// The resources of the hand-worked example below (identification, correction and computer
// limited segments between the current MTBNF 1 and the desired 5).
void TypeResources(CalendarTimeScreen& s) {
    const std::vector<std::pair<Field, const char*>> values = {
        {kPI, "1"},  {kPF, "1"},    {kPC, "2"},  {kTC, "0.5"},  {kTI, "1"},     {kXMC, "2"},
        {kXMI, "0"}, {kXMF, "1.5"}, {kXMQ, "1"}, {kPMQ, "0.5"}, {kRHOC, "0.5"}, {kDMTBFH, "5"}};
    for (const auto& [field, text] : values) s.field(field)->setText(QString::fromLatin1(text));
}

}  // namespace

class CalendarTimeScreenTest : public QObject {
    Q_OBJECT
  private slots:
    void opensWithTheEstimatesAndWarnsUnlessTheDataAreInHours() {
        vnk::app::test::ScriptedPrompter sink;
        QStringList shown;
        models::CalendarTimeInputs opened;
        bool asOpened = false;
        auto exec = [&](QDialog& d) {
            auto& s = dynamic_cast<CalendarTimeScreen&>(d);
            shown << s.windowTitle();
            opened = *s.typedInputs();
            asOpened = s.fieldCount() == 16 && s.resultBox()->text() == QStringLiteral("0.00000") &&
                       s.resultBox()->isReadOnly() &&
                       !s.printButton()->isEnabled();  // no print action given
            return int(QDialog::Accepted);
        };
        sink.everyScreen = exec;
        constexpr int kDays = 4, kHours = 3;
        OpenCalendarTime(MusaContext(), kDays, sink, {});
        QCOMPARE(
            sink.messageTexts(),
            QStringList{"Model requires estimates measured in hours; alter values as needed."});
        QCOMPARE(sink.messageCaptions(), QStringList{QString()});
        QCOMPARE(shown, QStringList{"Musa's Calendar Time"});
        QVERIFY(asOpened);
        QCOMPARE(opened.NS, 4);
        QCOMPARE(opened.TNOF, 10.0);
        QCOMPARE(opened.CMTBFH, 1.0);
        QCOMPARE(opened.IMTBFH, 1.0);
        QCOMPARE(opened.PI + opened.PF + opened.PC + opened.RHOC + opened.DMTBFH, 0.0);

        OpenCalendarTime(MusaContext(), kHours, sink, {});
        QCOMPARE(sink.messageTexts().size(), 1);  // hours: no second warning
        QCOMPARE(shown.size(), 2);
    }

    void runGivesTheAdditionalHours() {
        // By hand: correction personnel utilisation (1 - 0.5)^1 = 0.5; crossings x1 = 3,
        // x2 = 4, x3 = 2 all lie between 1 and 5. Budget (10 - 4) / (10 * 1) = 0.6, C = 10.
        //   1-2 correction:     Z = 0.5,  10 / 0.5 * 1.5 * 0.5           = 15
        //   2-3 computer:       Z = 0.1,  10 * (0.5 ln 1.5 + 2 * 0.1)    = 4.0273255405
        //   3-4 computer:       Z = 0,    10 * 0.5 ln(4/3)               = 1.4384103623
        //   4-5 identification: Z = 0,    10 * ln 1.25                   = 2.2314355131
        vnk::app::test::ScriptedPrompter sink;
        CalendarTimeScreen screen(models::CalendarTimeDefaults(MusaContext()), sink, {});
        TypeResources(screen);
        screen.runButton()->click();
        QVERIFY(sink.messageTexts().isEmpty());
        QVERIFY(std::abs(screen.XINT() - 22.6971714159) < 1e-9);
        QVERIFY(std::abs(*FullValue(*screen.resultBox()) - 22.6971714159) < 1e-9);

        // Editing a value withdraws the result it no longer belongs to.
        QTest::keyClick(screen.field(kPI), Qt::Key_2);
        QCOMPARE(screen.XINT(), 0.0);
        QCOMPARE(screen.resultBox()->text(), QStringLiteral("0.00000"));
    }

    void runRefusesWhatGivesNoNumber() {
        vnk::app::test::ScriptedPrompter sink;
        CalendarTimeScreen screen(models::CalendarTimeDefaults(MusaContext()), sink, {});
        screen.show();
        // Opened as it is, without resources: no number, and the user is told why.
        screen.runButton()->click();
        QCOMPARE(sink.messageTexts().size(), 1);
        QCOMPARE(sink.messageCaptions().front(), QStringLiteral("Error"));
        QCOMPARE(screen.XINT(), 0.0);

        // A desired MTBNF not above the current one would give negative hours.
        TypeResources(screen);
        screen.field(kDMTBFH)->setText(QStringLiteral("1"));
        screen.runButton()->click();
        QCOMPARE(sink.messageTexts().back(),
                 QStringLiteral("The desired MTBNF must be larger than the current Mean Time "
                                "Before Next Failure."));
        QCOMPARE(screen.XINT(), 0.0);
        QCOMPARE(screen.resultBox()->text(), QStringLiteral("0.00000"));

        // Text that is not a number computes nothing and takes the focus.
        screen.field(kDMTBFH)->setText(QStringLiteral("5"));
        screen.field(kXMQ)->setText(QStringLiteral("two"));
        const qsizetype before = sink.messageTexts().size();
        screen.runButton()->click();
        QCOMPARE(sink.messageTexts().size(), before);
        QCOMPARE(screen.XINT(), 0.0);
        QCOMPARE(screen.field(kXMQ)->selectedText(),
                 QStringLiteral("two"));                    // marked for correction
        screen.field(kNS)->setText(QStringLiteral("4.5"));  // a count of failures is whole
        screen.field(kXMQ)->setText(QStringLiteral("1"));
        QVERIFY(!screen.typedInputs());
    }

    void printHandsOverTheReportOfTheValuesShown() {
        vnk::app::test::ScriptedPrompter sink;
        std::string printed;
        CalendarTimeActions actions;
        actions.print = [&](const std::string& report) { printed = report; };
        CalendarTimeScreen screen(models::CalendarTimeDefaults(MusaContext()), sink, actions);
        TypeResources(screen);
        screen.runButton()->click();
        screen.printButton()->click();
        QVERIFY(printed.rfind("\n\n\n    MUSA'S CALENDAR TIME COMPONENT REPORT\n\n", 0) == 0);
        // The value after the colon of the line that starts with `label`.
        const auto valueOf = [&](const std::string& label) {
            const auto at = printed.find("\n    " + label);
            if (at == std::string::npos) return std::string("missing");
            const auto colon = printed.find(" : ", at);
            return printed.substr(colon + 3, printed.find('\n', colon) - colon - 3);
        };
        QCOMPARE(valueOf("Number of Failures:"), std::string("           4"));
        QCOMPARE(valueOf("Total Number of Faults"), std::string("    10.00000"));
        QCOMPARE(valueOf("Number of Computer Shifts"), std::string("     2.00000"));
        QCOMPARE(valueOf("Desired MTBNF (hours)"), std::string("     5.00000"));
        QCOMPARE(valueOf("Additional time to Mean Time Before Next Failure"),
                 std::string("    22.69717"));
        QVERIFY(printed.back() == '\n');
    }

    void resultScreenOffersTheCallersButtonsAfterPrint() {
        vnk::app::test::ScriptedPrompter sink;
        QWidget* pressedFrom = nullptr;
        ModelScreenActions actions;
        actions.extraButtons.push_back({"Calendar", [&](QWidget* from) { pressedFrom = from; }});
        models::ModelContext ctx = MusaContext();
        ctx.data = {1, 2, 3, 4};
        ModelResultScreen screen(models::MusaBasicModel(), ctx, sink, actions);
        QPushButton* calendar = screen.extraButton(0);
        QCOMPARE(calendar->text(), QStringLiteral("Calendar"));
        QVERIFY(calendar->isEnabled());
        // "Print", then "Calendar", then "Plots" in the row of buttons.
        screen.show();
        QVERIFY(screen.printButton()->x() < calendar->x());
        QVERIFY(calendar->x() < screen.plotsButton()->x());
        calendar->click();
        QCOMPARE(pressedFrom, static_cast<QWidget*>(&screen));
    }
};

QTEST_MAIN(CalendarTimeScreenTest)
#include "calendar_time_screen_test.moc"
