// The three Setup option screens: each refuses what it cannot take with its message, stays open
// and keeps the option's old value until OK succeeds.
#include <QLineEdit>
#include <QtTest>

#include "app/screens/data/value_screen.h"
#include "app/shell/command_table.h"
#include "support/app_harness.h"

using namespace vnk;
using namespace vnk::app;
using namespace vnk::app::test;

namespace {

// Types each refused text and presses OK, expecting the screen to stay, then types `good`.
template <class S>
void refuseThenAccept(AppHarness& h, QStringList refused, QString good) {
    h.prompter.on<S>([&h, refused, good](S& s) {
        for (const QString& text : refused) {
            s.field()->setText(text);
            Click(s, QStringLiteral("okButton"));
            QVERIFY2(s.result() != QDialog::Accepted, qPrintable(text));
        }
        s.field()->setText(good);
        Click(s, QStringLiteral("okButton"));
    });
}

}  // namespace

class OptionScreensTest : public QObject {
    Q_OBJECT
  private slots:
    void cellCombinationsTakeIntegersFrom0To32000();
    void iterationMaximumTakesAnyNumber();
    void predictionNumberRangeAndCancel();
};

void OptionScreensTest::cellCombinationsTakeIntegersFrom0To32000() {
    AppHarness h;
    h.prompter.on<CellCombinationsScreen>([&h](CellCombinationsScreen& s) {
        QCOMPARE(s.windowTitle(), QStringLiteral("Cell Combinations"));
        QCOMPARE(s.field()->text(), QStringLiteral("5"));
        for (const char* text : {"-1", "32001", "abc", "2.5", ""}) {
            s.field()->setText(QString::fromLatin1(text));
            Click(s, QStringLiteral("okButton"));
            QVERIFY(s.result() != QDialog::Accepted);
            QCOMPARE(h.options().cellCombinations, 5);
        }
        s.field()->setText(QStringLiteral("32000"));
        Click(s, QStringLiteral("okButton"));
    });
    h.frame.runCommand(command::kCellCombinations);
    QCOMPARE(h.options().cellCombinations, 32000);
    QCOMPARE(h.prompter.messages.size(), 5);
    for (const ShownMessage& m : h.prompter.messages) {
        QCOMPARE(m.text, QStringLiteral("Please enter an integer between 0 and 32000."));
        QCOMPARE(m.caption, QStringLiteral("Varnok 3"));
    }
    refuseThenAccept<CellCombinationsScreen>(h, {}, QStringLiteral("0"));
    h.frame.runCommand(command::kCellCombinations);
    QCOMPARE(h.options().cellCombinations, 0);
    QVERIFY(h.prompter.problems.isEmpty());
}

void OptionScreensTest::iterationMaximumTakesAnyNumber() {
    AppHarness h;
    refuseThenAccept<IterationMaximumScreen>(h, {"many", "1e999", "nan"}, QStringLiteral("-2.5e3"));
    h.frame.runCommand(command::kIterationMaximum);
    QCOMPARE(h.options().iterationMaximum, -2500.0);
    QCOMPARE(h.prompter.messageTexts(), QStringList(3, QStringLiteral("Please enter a number.")));
    QVERIFY(h.prompter.problems.isEmpty());
}

void OptionScreensTest::predictionNumberRangeAndCancel() {
    AppHarness h;
    refuseThenAccept<PredictionNumberScreen>(h, {"1000001", "-3"}, QStringLiteral("1000000"));
    h.frame.runCommand(command::kPredictionNumber);
    QCOMPARE(h.options().predictionNumber, 1000000);
    QCOMPARE(h.prompter.messageTexts(),
             QStringList(2, QStringLiteral("Please enter an integer between 0 and 1000000.")));

    h.prompter.on<PredictionNumberScreen>([](PredictionNumberScreen& s) {
        QCOMPARE(s.field()->text(), QStringLiteral("1000000"));
        s.field()->setText(QStringLiteral("12"));
        Click(s, QStringLiteral("cancelButton"));
    });
    h.frame.runCommand(command::kPredictionNumber);
    QCOMPARE(h.options().predictionNumber, 1000000);
    QVERIFY(h.prompter.problems.isEmpty());
}

QTEST_MAIN(OptionScreensTest)
#include "option_screens_test.moc"
