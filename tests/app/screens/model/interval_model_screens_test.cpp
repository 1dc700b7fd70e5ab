// Every interval model's result and error screen, opened from a real execution record the way
// the execution summary opens it: titles, estimate rows, headings, prediction lines, buttons,
// every prediction question through Run, and Print against the report the engine gives.
#include "app/screens/model/interval_model_screens.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <cmath>
#include <functional>

#include "app/kit/value_display.h"
#include "app/kit/value_field.h"
#include "app/screens/model/estimate_table.h"
#include "app/screens/model/model_error_screen.h"
#include "app/screens/model/model_result_screen.h"
#include "execution/model_reports.h"
#include "models/report_header.h"
#include "support/interval_record.h"
#include "support/scripted_prompter.h"

using namespace vnk;
using namespace vnk::screens;
namespace ex = vnk::execution;

namespace {

constexpr double kPmax = 1000.0;

// DATA4 (19 weeks, unequal CPU hours) with S = 5 for treatment 2 and S = 6 for treatment 3:
// every one of the ten models fits.
const ex::IntervalExecutionResults& Data4() {
    static const ex::IntervalExecutionResults r =
        test::Execute(test::ReadIntervals("data4_interval.txt"), 5, 6);
    return r;
}

// Texts of the labels placed directly on the screen, in screen order: the section headings
// and the fixed texts of the prediction lines.
QStringList ScreenTexts(const QWidget& screen) {
    QStringList out;
    for (const QLabel* l : screen.findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        out << l->text();
    return out;
}

QStringList ButtonTexts(const QWidget& screen) {
    QStringList out;
    for (const QPushButton* b : screen.findChildren<QPushButton*>()) out << b->text();
    out.sort();
    return out;
}

const QLabel* LabelText(const QWidget& screen, const QString& text) {
    for (const QLabel* l : screen.findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (l->text() == text) return l;
    return nullptr;
}

ModelScreenActions PrintingTo(const ex::IntervalExecutionResults& r, std::string& printed) {
    ModelScreenActions actions;
    actions.reportHeader = models::IntervalReportHeader(r.NS, ConstRealArray(r.countStatistics),
                                                        ConstRealArray(r.lengthStatistics));
    actions.print = [&printed](const std::string& text) { printed = text; };
    actions.plots = [] {};
    actions.help = [] {};
    return actions;
}

// Opens the slot's screen as the summary does and hands it to `use`; returns the class that
// opened ("" when nothing did).
QString Open(const ex::IntervalExecutionResults& r, int slot, double PMAX,
             vnk::app::test::ScriptedPrompter& sink, ModelScreenActions actions,
             const std::function<void(QDialog&)>& use) {
    QString opened;
    sink.everyScreen = [&](QDialog& d) {
        opened = QString::fromLatin1(d.metaObject()->className()).section("::", -1);
        use(d);
    };
    OpenIntervalModelScreen(r, slot, PMAX, sink, std::move(actions));
    sink.everyScreen = nullptr;
    return opened;
}

double Shown(const QLineEdit* box) { return FullValue(*box).value_or(ReadValue(box->text())); }

void Ask(ModelResultScreen& s, int question, const std::vector<QString>& inputs) {
    for (std::size_t i = 0; i < inputs.size(); ++i)
        s.input(question, static_cast<int>(i))->setText(inputs[i]);
    QTest::mouseClick(s.runButton(), Qt::LeftButton);
}

// The number of periods of `length` after which E(n·length) first reaches `faults`; 0 when
// a million periods do not.
int PeriodsNeeded(const std::function<double(double)>& E, double length, double faults) {
    for (int n = 1; n <= 1000000; ++n)
        if (E(n * length) >= faults) return n;
    return 0;
}

const QString kPrediction1Text = QStringLiteral("> For the next testing period of length");
const QString kExpectedFaults = QStringLiteral("The expected number of faults is ");
const QString kForTheNext = QStringLiteral("> For the next");
const QString kWithLength =
    QStringLiteral("faults to be discovered, if the testing length is expected to be");
const QString kExpectedPeriods = QStringLiteral("The expected number of periods is ");
const QStringList kThreeRows{
    "Proportionality Constant:", "Total Number of Faults:", "Total Number of Faults Remaining:"};

struct Layout {
    int slot;
    QString title;
    QStringList rows;
    bool limits;
    QStringList texts;
};

std::vector<Layout> Layouts() {
    const QStringList bmTexts{"Estimations:",
                              "Predictons:",
                              kPrediction1Text,
                              "and fraction of the program being tested",
                              "with previous faults detected in that section of ",
                              kExpectedFaults,
                              kForTheNext,
                              kWithLength,
                              "the fraction of the program being tested is",
                              "with previous faults detected in that section of ",
                              kExpectedPeriods};
    const QStringList bmRows{"Probability of Detecting Faults:", "Total Number of Faults:",
                             "Total Number of Faults Remaining:"};
    const QStringList gpTexts{
        "Estimations:", "Predictons:", kPrediction1Text, kExpectedFaults, "(", ",", ")",
        kForTheNext,    kWithLength,   kExpectedPeriods};
    // Without the limit fields of prediction 1 and the texts around them.
    const QStringList plainTexts{"Estimations:", "Predictons:", kPrediction1Text, kExpectedFaults,
                                 kForTheNext,    kWithLength,   kExpectedPeriods};
    const QStringList sdwRows{"Alpha:",
                              "Beta:",
                              "Total Number of Faults:",
                              "Total Number of Faults Remaining:",
                              "Mean Square Error for Remaining Faults:",
                              "Mean Square Error for Cumulative Faults:",
                              "Mean Square Error for Time to Next Failure:"};
    const QStringList sdwTexts{"Estimations:",  "Predictons:", kPrediction1Text,
                               kExpectedFaults, kForTheNext,   "faults to be discovered",
                               kExpectedPeriods};
    return {
        {ex::kBmBinomial, "Brooks and Motley's Discrete SR Model - Binomial", bmRows, false,
         bmTexts},
        {ex::kBmPoisson, "Brooks and Motley's Discrete SR Model - Poisson", bmRows, false, bmTexts},
        {ex::kGp1, "Generalized Poisson Model - Weighting 1 (Schick-Wolverton)", kThreeRows, true,
         gpTexts},
        {ex::kGp2, "Generalized Poisson Model - Weighting 2 (Alpha Input)", kThreeRows, true,
         gpTexts},
        {ex::kGp3, "Generalized Poisson Model - Weighting 3 (Alpha Estimated)",
         QStringList{"Alpha:"} + kThreeRows, false, plainTexts},
        {ex::kNhp, "Non-homogeneous Poisson Model for Interval Data", kThreeRows, true, plainTexts},
        {ex::kSdw1, "The Schneidewind Model - Treatment Type 1", sdwRows, false, sdwTexts},
        {ex::kSdw2, "The Schneidewind Model - Treatment Type 2", sdwRows, false, sdwTexts},
        {ex::kSdw3, "The Schneidewind Model - Treatment Type 3", sdwRows, false, sdwTexts},
        {ex::kYam, "Yamada's S - Shaped Reliability Growth Model", kThreeRows, true,
         plainTexts +
             QStringList{kPrediction1Text, "The probability of operation without failure is:"}},
    };
}

}  // namespace

class IntervalModelScreensTest : public QObject {
    Q_OBJECT
  private slots:
    void everyResultScreenShowsItsModel() {
        const auto& r = Data4();
        for (const Layout& want : Layouts()) {
            QCOMPARE(r.status[static_cast<std::size_t>(want.slot)], 0);
            vnk::app::test::ScriptedPrompter sink;
            std::string printed;
            const QString opened =
                Open(r, want.slot, kPmax, sink, PrintingTo(r, printed), [&](QDialog& d) {
                    auto& s = static_cast<ModelResultScreen&>(d);
                    QCOMPARE(s.windowTitle(), want.title);
                    QCOMPARE(ScreenTexts(s), want.texts);
                    for (const QString heading : {"Estimations:", "Predictons:"}) {
                        const QFont font = LabelText(s, heading)->font();
                        QCOMPARE(font.pointSize(), 20);
                        QVERIFY(font.bold());
                    }
                    QCOMPARE(ButtonTexts(s), (QStringList{"Help", "OK", "Plots", "Print", "Run"}));
                    for (QPushButton* b :
                         {s.runButton(), s.plotsButton(), s.printButton(), s.okButton()})
                        QVERIFY(b->isEnabled());

                    EstimateTable* table = s.estimates();
                    QCOMPARE(table->rowCount(), int(want.rows.size()));
                    const auto& model = *ex::IntervalSlotDescription(want.slot);
                    const IntervalStats& stats = r.stats[static_cast<std::size_t>(want.slot)];
                    for (int row = 0; row < table->rowCount(); ++row) {
                        QCOMPARE(table->label(row)->text(), want.rows[row]);
                        const int statsRow =
                            model.estimates[static_cast<std::size_t>(row)].statsRow;
                        QCOMPARE(Shown(table->estimate(row)), stats(statsRow, kEstimate));
                        QCOMPARE(table->lower(row) != nullptr, want.limits);
                        if (!want.limits) continue;
                        QVERIFY(table->lower(row)->isVisibleTo(&s));
                        QCOMPARE(Shown(table->lower(row)), stats(statsRow, kLower));
                        QCOMPARE(Shown(table->upper(row)), stats(statsRow, kUpper));
                    }
                    QCOMPARE(table->lowerHeading()->isVisibleTo(&s), want.limits);
                    // Every input box starts at 0 but the Brooks and Motley fraction (F(NS) = 1)
                    // and previous faults (M(NS) + C(NS) = 328).
                    for (int q = 0; q < s.questionCount(); ++q)
                        for (int i = 0;
                             i < int(model.predictions[static_cast<std::size_t>(q)].inputCount);
                             ++i) {
                            const bool bm = want.slot <= ex::kBmPoisson;
                            const int shift = q == 1 ? 1 : 0;
                            QString expected = "0";
                            if (bm && i == 1 + shift) expected = "1";
                            if (bm && i == 2 + shift) expected = "328";
                            QCOMPARE(s.input(q, i)->text(), expected);
                        }
                });
            QCOMPARE(opened, QStringLiteral("ModelResultScreen"));
            if (QTest::currentTestFailed()) {
                qWarning() << "slot" << want.slot;
                return;
            }
        }
    }

    void brooksMotleyPredictions() {
        const auto& r = Data4();
        for (int slot : {ex::kBmBinomial, ex::kBmPoisson}) {
            const IntervalStats& st = r.stats[static_cast<std::size_t>(slot)];
            const double q = st(4, kEstimate), N = st(5, kEstimate), remaining = st(6, kEstimate);
            const double PEC = r.bmStart[static_cast<std::size_t>(slot)][0];
            QCOMPARE(PEC, 0.85);
            // Faults still in the whole program after 328 found, found over a length t.
            const double A = N - PEC * 328.0;
            auto E = [&](double t) {
                return std::min(A * (1.0 - std::pow(1.0 - q, t)), remaining);
            };
            const int periods = PeriodsNeeded(E, 1.0, 10.0);
            QVERIFY(periods > 1);
            const QString caption = "Brooks and Motley's Model - Prediction 2";
            vnk::app::test::ScriptedPrompter sink;
            std::string printed;
            Open(r, slot, kPmax, sink, PrintingTo(r, printed), [&](QDialog& d) {
                auto& s = static_cast<ModelResultScreen&>(d);
                Ask(s, 0, {"2"});
                Ask(s, 1, {"10", "1"});
                QCOMPARE(Shown(s.output(0, 0)), E(2.0));
                QCOMPARE(Shown(s.output(1, 0)), double(periods));
                QVERIFY(sink.messageTexts().isEmpty());

                // Zero or negative in any input leaves the question unanswered, silently.
                for (const QString bad : {"0", "-3"}) {
                    Ask(s, 0, {"2", bad, "328"});
                    Ask(s, 1, {"10", "1", "1", bad});
                    QCOMPARE(Shown(s.output(0, 0)), E(2.0));
                    QCOMPARE(Shown(s.output(1, 0)), double(periods));
                }
                QVERIFY(sink.messageTexts().isEmpty());
                s.input(0, 1)->setText("1");
                s.input(0, 2)->setText("328");

                Ask(s, 1, {QString::number(remaining + 1.0), "1", "1", "328"});
                QCOMPARE(Shown(s.output(1, 0)), 0.0);
                // A length so short that 1000 periods do not find 10 faults.
                Ask(s, 1, {"10", "0.0001"});
                QCOMPARE(Shown(s.output(1, 0)), 0.0);
                QCOMPARE(sink.messageTexts(),
                         (QStringList{"Input Greater than TNOFR.", "PMAX exceeded."}));
                QCOMPARE(sink.messageCaptions(), (QStringList{caption, caption}));
            });
            // An answer equal to the period limit is reported as the limit exceeded.
            sink.messages.clear();
            Open(r, slot, periods, sink, {}, [&](QDialog& d) {
                Ask(static_cast<ModelResultScreen&>(d), 1, {"10", "1"});
            });
            QCOMPARE(sink.messageTexts(), QStringList{"PMAX exceeded."});
        }
    }

    void brooksMotleyPredictsWithThePecOfTheRun() {
        test::ScriptedHost host;
        host.PEC = 0.9;
        const auto r = test::Execute(test::ReadIntervals("data4_interval.txt"), host);
        QCOMPARE(r.bmStart[0][0], 0.9);
        QCOMPARE(r.status[ex::kBmBinomial], 0);
        const IntervalStats& st = r.stats[ex::kBmBinomial];
        const double q = st(4, kEstimate), N = st(5, kEstimate);
        const double expected =
            std::min((N - 0.9 * 328.0) * (1.0 - std::pow(1.0 - q, 2.0)), st(6, kEstimate));
        vnk::app::test::ScriptedPrompter sink;
        Open(r, ex::kBmBinomial, kPmax, sink, {}, [&](QDialog& d) {
            auto& s = static_cast<ModelResultScreen&>(d);
            Ask(s, 0, {"2"});
            QVERIFY(std::fabs(Shown(s.output(0, 0)) - expected) < 1e-9 * expected);
        });
    }

    void generalizedPoissonPredictions() {
        const auto& r = Data4();
        const double lastLength = r.lengths.back();
        for (int slot : {ex::kGp1, ex::kGp2, ex::kGp3}) {
            const int weighting = slot - ex::kGp1 + 1;
            const IntervalStats& st = r.stats[static_cast<std::size_t>(slot)];
            const double alpha = st(1, kEstimate), phi = st(3, kEstimate), N = st(5, kEstimate);
            const double remaining = st(6, kEstimate);
            auto w = [&](double t) { return weighting == 1 ? t * t / 2.0 : std::pow(t, alpha); };
            // Faults left after all 328 were found and corrected.
            auto E = [&](double t) { return std::min(phi * (N - 328.0) * w(t), remaining); };
            // Weighting 2 with alpha 0 expects the same count in a period of any length, so
            // the question asks for fewer faults than that count.
            const int periods = PeriodsNeeded(E, lastLength, 8.0);
            QVERIFY(periods > 0);
            const QString caption =
                weighting == 1
                    ? "Generalized Poisson Weighting l - Prediction 2"
                    : QString("Generalized Poisson Weighting %1 - Prediction 2").arg(weighting);
            vnk::app::test::ScriptedPrompter sink;
            Open(r, slot, kPmax, sink, {}, [&](QDialog& d) {
                auto& s = static_cast<ModelResultScreen&>(d);
                QCOMPARE(s.runButton()->isEnabled(), true);
                Ask(s, 0, {"2"});
                Ask(s, 1, {"8", QString::number(lastLength)});
                QVERIFY(std::fabs(Shown(s.output(0, 0)) - E(2.0)) <= 1e-9 * E(2.0));
                QCOMPARE(Shown(s.output(1, 0)), double(periods));
                if (weighting != 3) {
                    // Limits around the value, never below 0.
                    const double low = Shown(s.output(0, 1)), high = Shown(s.output(0, 2));
                    QVERIFY(low >= 0.0 && low < E(2.0) && high > E(2.0));
                    if (low > 0.0) QVERIFY(std::fabs((high - E(2.0)) - (E(2.0) - low)) < 1e-9);
                }
                // A negative length is no testing period: nothing is computed, no message.
                Ask(s, 1, {"5", "-1"});
                Ask(s, 0, {"-2"});
                QCOMPARE(Shown(s.output(1, 0)), double(periods));
                QVERIFY(sink.messageTexts().isEmpty());

                Ask(s, 1, {QString::number(remaining + 0.75), "1"});
                Ask(s, 1, {"20", "0.00001"});
                QCOMPARE(Shown(s.output(1, 0)), 0.0);
                QCOMPARE(sink.messageTexts(),
                         (QStringList{"Input Greater than TNOFR.", "PMAX exceeded."}));
                QCOMPARE(sink.messageCaptions(), (QStringList{caption, caption}));
            });
        }
    }

    void nhppPredictions() {
        const auto& r = Data4();
        const IntervalStats& st = r.stats[ex::kNhp];
        const double beta = st(3, kEstimate), N = st(5, kEstimate), remaining = st(6, kEstimate);
        const double T = 47.65;  // the lengths' sum
        QVERIFY(std::fabs(r.endTimes.back() - T) < 1e-9);
        auto E = [&](double t) {
            return std::min(N * (std::exp(-beta * T) - std::exp(-beta * (T + t))), remaining);
        };
        // Closed form: the time at which N·(e^-βT − e^-β(T+t)) reaches 30.
        const double t30 = -std::log(std::exp(-beta * T) - 30.0 / N) / beta - T;
        const int periods = static_cast<int>(std::ceil(t30 / 2.0));
        QCOMPARE(PeriodsNeeded(E, 2.0, 30.0), periods);
        vnk::app::test::ScriptedPrompter sink;
        Open(r, ex::kNhp, kPmax, sink, {}, [&](QDialog& d) {
            auto& s = static_cast<ModelResultScreen&>(d);
            Ask(s, 0, {"3"});
            Ask(s, 1, {"30", "2"});
            QVERIFY(std::fabs(Shown(s.output(0, 0)) - E(3.0)) < 1e-9);
            QCOMPARE(Shown(s.output(1, 0)), double(periods));
            Ask(s, 0, {"0"});
            Ask(s, 1, {"30", "-2"});
            QVERIFY(std::fabs(Shown(s.output(0, 0)) - E(3.0)) < 1e-9);
            QCOMPARE(Shown(s.output(1, 0)), double(periods));
            QVERIFY(sink.messageTexts().isEmpty());
            Ask(s, 1, {QString::number(remaining + 0.6), "2"});
            Ask(s, 1, {"30", "0.001"});
            QCOMPARE(sink.messageTexts(),
                     (QStringList{"Input Greater than TNOFR.", "PMAX exceeded."}));
            QCOMPARE(sink.messageCaptions(),
                     (QStringList{"Non-homogeneous Poisson Model - Prediction 2",
                                  "Non-homogeneous Poisson Model - Prediction 2"}));
        });
    }

    void schneidewindPredictions() {
        const auto& r = Data4();
        const int NS = 19;
        for (int slot : {ex::kSdw1, ex::kSdw2, ex::kSdw3}) {
            const int TSF = slot - ex::kSdw1 + 1;
            const int S = TSF == 1 ? 1 : TSF == 2 ? 5 : 6;
            const IntervalStats& st = r.stats[static_cast<std::size_t>(slot)];
            const double a = st(1, kEstimate), b = st(2, kEstimate), remaining = st(6, kEstimate);
            // Model time now: treatment 2 counts from S, the others from the first interval.
            const double now = TSF == 2 ? NS - S + 1 : NS;
            const double p1 = a / b * (std::exp(-b * now) - std::exp(-b * (now + 4.0)));
            // Faults found so far on the treatment's axis, then the time m(t) reaches them + 25.
            double found = 0.0;
            for (int i = TSF == 2 ? S : 1; i <= NS; ++i)
                found += r.counts[static_cast<std::size_t>(i - 1)];
            // Counted from the end of the data on the treatment's own time axis, as prediction
            // 1 looks ahead from it.
            const double p2 = std::log(a / (a - (found + 25.0) * b)) / b - now;
            QVERIFY(p2 > 0.0);
            const QString caption = "Schneidewind's Model - Prediction 2";
            vnk::app::test::ScriptedPrompter sink;
            Open(r, slot, kPmax, sink, {}, [&](QDialog& d) {
                auto& s = static_cast<ModelResultScreen&>(d);
                Ask(s, 0, {"4"});
                Ask(s, 1, {"25"});
                QVERIFY(std::fabs(Shown(s.output(0, 0)) - p1) < 1e-9 * p1);
                QVERIFY(std::fabs(Shown(s.output(1, 0)) - p2) < 1e-9 * p2);
                Ask(s, 0, {"-4"});
                Ask(s, 1, {"0"});
                QVERIFY(std::fabs(Shown(s.output(1, 0)) - p2) < 1e-9 * p2);
                QVERIFY(sink.messageTexts().isEmpty());
                Ask(s, 1, {QString::number(remaining + 0.6)});
                // More than remain, within the half-fault tolerance: beyond the model's total.
                Ask(s, 1, {QString::number(remaining + 0.25)});
                QCOMPARE(Shown(s.output(1, 0)), 0.0);
                QCOMPARE(sink.messageTexts(),
                         (QStringList{"Input Greater than TNOFR.",
                                      "The estimate cannot be made for the specified value."}));
                QCOMPARE(sink.messageCaptions(), (QStringList{caption, caption}));
            });
        }
    }

    void yamadaPredictions() {
        const auto& r = Data4();
        const IntervalStats& st = r.stats[ex::kYam];
        const double beta = st(3, kEstimate), N = st(5, kEstimate), remaining = st(6, kEstimate);
        const double T = r.endTimes.back();
        auto g = [&](double t) { return (1.0 + beta * t) * std::exp(-beta * t); };
        auto uncapped = [&](double t) { return N * (g(T) - g(T + t)); };
        auto E = [&](double t) { return std::min(uncapped(t), remaining); };
        const int periods = PeriodsNeeded(E, 1.5, 12.0);
        QVERIFY(periods > 1);
        vnk::app::test::ScriptedPrompter sink;
        Open(r, ex::kYam, kPmax, sink, {}, [&](QDialog& d) {
            auto& s = static_cast<ModelResultScreen&>(d);
            Ask(s, 0, {"2"});
            Ask(s, 1, {"12", "1.5"});
            Ask(s, 2, {"0.5"});
            QVERIFY(std::fabs(Shown(s.output(0, 0)) - E(2.0)) < 1e-9);
            QCOMPARE(Shown(s.output(1, 0)), double(periods));
            QVERIFY(std::fabs(Shown(s.output(2, 0)) - std::exp(-uncapped(0.5))) < 1e-12);
            // A very long period: the probability of no failure is taken from the uncapped
            // count, while prediction 1 stops at the faults remaining.
            Ask(s, 0, {"1000"});
            Ask(s, 2, {"1000"});
            QVERIFY(std::fabs(Shown(s.output(0, 0)) - remaining) < 1e-9 * remaining);
            QVERIFY(std::fabs(Shown(s.output(2, 0)) - std::exp(-N * g(T))) < 1e-12);
            Ask(s, 1, {"12", "-1.5"});
            Ask(s, 2, {"0"});
            QCOMPARE(Shown(s.output(1, 0)), double(periods));
            QVERIFY(sink.messageTexts().isEmpty());
            Ask(s, 1, {QString::number(remaining + 0.6), "1.5"});
            Ask(s, 1, {"12", "0.0001"});
            QCOMPARE(sink.messageTexts(),
                     (QStringList{"Input Greater than TNOFR.", "PMAX exceeded."}));
            QCOMPARE(sink.messageCaptions(),
                     (QStringList{"Yamada's S - Shaped Model - Prediction 2",
                                  "Yamada's S - Shaped Model - Prediction 2"}));
        });
    }

    void printSendsTheEngineReport() {
        const auto& r = Data4();
        for (const Layout& l : Layouts()) {
            vnk::app::test::ScriptedPrompter sink;
            std::string printed;
            models::PredictionValues shown;
            Open(r, l.slot, kPmax, sink, PrintingTo(r, printed), [&](QDialog& d) {
                auto& s = static_cast<ModelResultScreen&>(d);
                QTest::mouseClick(s.printButton(), Qt::LeftButton);
                // Nothing asked: no predictions block.
                QCOMPARE(printed.find("PREDICTIONS"), std::string::npos);
                for (int q = 0; q < s.questionCount(); ++q) s.input(q, 0)->setText("3");
                s.input(1, 0)->setText("2");
                if (l.slot <= ex::kBmPoisson) s.input(1, 1)->setText("1");
                if (l.slot <= ex::kNhp || l.slot == ex::kYam) s.input(1, 1)->setText("1");
                QTest::mouseClick(s.runButton(), Qt::LeftButton);
                QTest::mouseClick(s.printButton(), Qt::LeftButton);
                shown = s.predictionValues();
            });
            QCOMPARE(printed, ex::IntervalModelReport(r, l.slot, kPmax, shown));
            QVERIFY(printed.rfind(
                        "\n\n    VARNOK INTERVAL MODEL RESULTS FOR SOFTWARE ANALYSIS\n\n\n", 0) ==
                    0);
            QVERIFY(printed.find("    PREDICTIONS\n\n") != std::string::npos);
            QVERIFY(printed.find("For the next testing period of length 3.0") != std::string::npos);
            QVERIFY(printed.find("      For the next 2.0 faults to be discovered") !=
                    std::string::npos);
        }
        // The Brooks and Motley lines as they print.
        vnk::app::test::ScriptedPrompter sink;
        std::string printed;
        Open(r, ex::kBmPoisson, kPmax, sink, PrintingTo(r, printed), [&](QDialog& d) {
            auto& s = static_cast<ModelResultScreen&>(d);
            Ask(s, 0, {"2"});
            s.output(0, 0)->setText("99");  // the report prints the value computed, not the box
            QTest::mouseClick(s.printButton(), Qt::LeftButton);
            const double p1 = s.predictionValues().outputs[0][0];
            const std::string line = models::Format(
                "    PREDICTIONS\n\n      For the next testing period of length 2.0 and fraction "
                "of the program being tested\n        1.0 with previous faults detected in that "
                "section of 328.0  The expected number\n        of faults is %3.1f\n\n",
                p1);
            QVERIFY(printed.size() > line.size());
            QCOMPARE(printed.substr(printed.size() - line.size()), line);
        });
    }

    void errorScreensNameTheFailure() {
        // SYS1 per working day: no model but Yamada's finds a finite maximum of its
        // likelihood; every other model ends with status 3.
        const auto sys1 = test::Execute(test::ReadIntervals("sys1_interval.txt"), 5, 6);
        const QString notAppropriate =
            "\nModel Execution Returned Error:\nThe Data are not appropriate for the model.";
        struct Want {
            int slot;
            QString title;
            int rows;
            bool limits;
        };
        const std::vector<Want> wants{
            {ex::kBmBinomial, "Brooks and Motley's Discrete SR Model - Binomial", 3, false},
            {ex::kBmPoisson, "Brooks and Motley's Discrete SR Model - Poisson", 3, false},
            {ex::kGp1, "Generalized Poisson Model - Weighting 1 (Schick-Wolverton)", 3, true},
            {ex::kGp2, "Generalized Poisson Model - Weighting 2 (Alpha Input)", 3, true},
            {ex::kGp3, "Generalized Poisson - Weighting 3 (Alpha Estimated)", 4, false},
            {ex::kNhp, "Non-homogeneous Poisson Model for Interval Data", 3, true},
            {ex::kSdw1, "Schneidewind's Model", 7, false},
            {ex::kSdw2, "Schneidewind's Model", 7, false},
            {ex::kSdw3, "Schneidewind's Model", 7, false},
        };
        for (const Want& want : wants) {
            QCOMPARE(sys1.status[static_cast<std::size_t>(want.slot)], 3);
            vnk::app::test::ScriptedPrompter sink;
            std::string printed;
            const QString opened =
                Open(sys1, want.slot, kPmax, sink, PrintingTo(sys1, printed), [&](QDialog& d) {
                    auto& s = static_cast<ModelErrorScreen&>(d);
                    QCOMPARE(s.windowTitle(), want.title);
                    QCOMPARE(s.errorBox()->toPlainText(), notAppropriate);
                    QVERIFY(LabelText(s, "Errors:") != nullptr);
                    QCOMPARE(s.estimates()->rowCount(), want.rows);
                    QCOMPARE(s.estimates()->lower(0) != nullptr, want.limits);
                    QCOMPARE(ButtonTexts(s), (QStringList{"Help", "OK", "Print"}));
                    QTest::mouseClick(s.printButton(), Qt::LeftButton);
                });
            QCOMPARE(opened, QStringLiteral("ModelErrorScreen"));
            QCOMPARE(printed, ex::IntervalModelReport(sys1, want.slot, kPmax, {}));
            const std::string tail =
                "    ERRORS OCCURRED\n\n      Model Execution Returned Error:\n      The Data are "
                "not appropriate for the model.";
            QCOMPARE(printed.substr(printed.size() - tail.size()), tail);
        }
        // The estimates where the Brooks and Motley search stopped are still shown.
        vnk::app::test::ScriptedPrompter sink;
        Open(sys1, ex::kBmBinomial, kPmax, sink, {}, [&](QDialog& d) {
            auto& s = static_cast<ModelErrorScreen&>(d);
            QCOMPARE(Shown(s.estimates()->estimate(1)), sys1.stats[ex::kBmBinomial](5, kEstimate));
            QVERIFY(Shown(s.estimates()->estimate(1)) > 136.0);
        });
    }

    void yamadaAndWeightingThreeErrorScreens() {
        // Counts falling to 0 at once: Yamada's likelihood equation has no root in range.
        const auto falling =
            test::Execute(test::IntervalsOf({5, 4, 3, 2, 1, 0}, {1, 1, 1, 2, 1, 1}), 1, 1);
        QCOMPARE(falling.status[ex::kYam], 3);
        // Treatment 3 cannot start at S = 1.
        QCOMPARE(falling.status[ex::kSdw3], 3);
        vnk::app::test::ScriptedPrompter sink;
        QString box;
        QString title;
        Open(falling, ex::kYam, kPmax, sink, {}, [&](QDialog& d) {
            title = d.windowTitle();
            box = static_cast<ModelErrorScreen&>(d).errorBox()->toPlainText();
        });
        QCOMPARE(title, QStringLiteral("Yamada's S - Shaped Reliability Growth Model"));
        QCOMPARE(
            box,
            QStringLiteral(
                "\nModel Execution Returned Error:\nThe Data are not appropriate for the model."));

        // Equal lengths: weighting 3 is skipped with status 3 and shows its error screen.
        const auto tohma = test::Execute(test::ReadIntervals("tohma_interval.txt"), 0, 0);
        QCOMPARE(tohma.status[ex::kGp3], 3);
        Open(tohma, ex::kGp3, kPmax, sink, {}, [&](QDialog& d) {
            title = d.windowTitle();
            box = static_cast<ModelErrorScreen&>(d).errorBox()->toPlainText();
        });
        QCOMPARE(title, QStringLiteral("Generalized Poisson - Weighting 3 (Alpha Estimated)"));
        QVERIFY(box.endsWith("The Data are not appropriate for the model."));
        // Treatments left at S = 0 were not run: nothing opens.
        QVERIFY(!tohma.ran[ex::kSdw2]);
        QCOMPARE(Open(tohma, ex::kSdw2, kPmax, sink, {}, [](QDialog&) {}), QString());
    }

    void schneidewindSOutsideTheData() {
        // An S past the last interval leaves nothing to fit; an S below 1 is not run.
        const auto r = test::Execute(test::ReadIntervals("data4_interval.txt"), 25, -2);
        QCOMPARE(r.status[ex::kSdw2], 3);
        QVERIFY(!r.ran[ex::kSdw3]);
        vnk::app::test::ScriptedPrompter sink;
        QString box;
        const QString opened = Open(r, ex::kSdw2, kPmax, sink, {}, [&](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Schneidewind's Model"));
            box = static_cast<ModelErrorScreen&>(d).errorBox()->toPlainText();
        });
        QCOMPARE(opened, QStringLiteral("ModelErrorScreen"));
        QVERIFY(box.endsWith("The Data are not appropriate for the model."));
        QCOMPARE(Open(r, ex::kSdw3, kPmax, sink, {}, [](QDialog&) {}), QString());
    }

    void errorTextsOfEveryStatus() {
        // Status texts as the error boxes give them, through each model's description.
        const QString head = "\nModel Execution Returned Error:\n";
        auto text = [](int slot, int RFLAG) {
            return QString::fromStdString(ex::IntervalSlotDescription(slot)->errorText(RFLAG))
                .remove('\r');
        };
        for (int slot : {ex::kBmBinomial, ex::kGp1, ex::kGp3, ex::kNhp}) {
            QCOMPARE(text(slot, 1), head + "The Maximum Iteration Count was reached.");
            QCOMPARE(text(slot, 2), head + "The Trust region could not be adjusted properly.");
            QCOMPARE(text(slot, 3), head + "The Data are not appropriate for the model.");
            QCOMPARE(text(slot, 4),
                     head + "The Total Faults estimate was less than the observed faults to date.");
        }
        for (int slot : {ex::kSdw1, ex::kYam}) {
            QCOMPARE(text(slot, 3), head + "The Data are not appropriate for the model.");
            QCOMPARE(text(slot, 4),
                     head + "The Total Faults estimate was less than the observed faults to date.");
        }
    }

    void runWaitsForHalfAFaultRemaining() {
        // Tohma: Brooks and Motley find every fault already found (0.001 remaining).
        const auto tohma = test::Execute(test::ReadIntervals("tohma_interval.txt"), 0, 0);
        QVERIFY(tohma.stats[ex::kBmBinomial](6, kEstimate) < 0.5);
        vnk::app::test::ScriptedPrompter sink;
        bool run = true;
        Open(tohma, ex::kBmBinomial, kPmax, sink, {}, [&](QDialog& d) {
            run = static_cast<ModelResultScreen&>(d).runButton()->isEnabled();
        });
        QVERIFY(!run);
        // The same rule everywhere but weighting 3, whose Run is always enabled.
        auto r = Data4();
        for (int slot = 0; slot < ex::kIntervalSlotCount; ++slot) {
            r.stats[static_cast<std::size_t>(slot)](6, kEstimate) = 0.49;
            Open(r, slot, kPmax, sink, {}, [&](QDialog& d) {
                run = static_cast<ModelResultScreen&>(d).runButton()->isEnabled();
            });
            QCOMPARE(run, slot == ex::kGp3);
        }
    }

    void leastSquaresHidesTheLimits() {
        const auto r =
            test::Execute(test::ReadIntervals("data4_interval.txt"), 0, 0, method::kLeastSquares);
        vnk::app::test::ScriptedPrompter sink;
        for (int slot : {ex::kGp1, ex::kGp2, ex::kNhp}) {
            QCOMPARE(r.status[static_cast<std::size_t>(slot)], 0);
            Open(r, slot, kPmax, sink, {}, [&](QDialog& d) {
                auto& s = static_cast<ModelResultScreen&>(d);
                QVERIFY(!s.estimates()->lowerHeading()->isVisibleTo(&s));
                for (int row = 0; row < 3; ++row)
                    QVERIFY(!s.estimates()->upper(row)->isVisibleTo(&s));
            });
        }
        // Weighting 3 and the models that need maximum likelihood did not run.
        for (int slot : {ex::kBmBinomial, ex::kGp3, ex::kSdw1, ex::kYam})
            QCOMPARE(Open(r, slot, kPmax, sink, {}, [](QDialog&) {}), QString());
    }
};

QTEST_MAIN(IntervalModelScreensTest)
#include "interval_model_screens_test.moc"
