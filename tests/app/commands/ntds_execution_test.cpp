// Executions / Model Execution end to end on the NTDS data: all seven models and all four
// measures, the summary with its colours and ranks, every model's result screen with every
// prediction question, Musa's calendar time screen, and the reports through PDF files.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <map>

#include "app/commands/model_execution.h"
#include "app/kit/value_display.h"
#include "app/screens/execution/execution_summary_screen.h"
#include "app/screens/execution/lav_starting_values_screen.h"
#include "app/screens/execution/tbf_selection_screen.h"
#include "app/screens/model/calendar_time_screen.h"
#include "app/screens/model/estimate_table.h"
#include "app/screens/model/model_result_screen.h"
#include "app/screens/model/tbf_model_screens.h"
#include "app/shell/command_table.h"
#include "data/data_file.h"
#include "data/input_format.h"
#include "execution/tbf_execution.h"
#include "execution/tbf_results.h"
#include "print/pdf_probe.h"
#include "support/app_harness.h"

using namespace vnk;
using namespace vnk::app;
using namespace vnk::app::test;
namespace ex = vnk::execution;

class NtdsExecutionTest : public QObject {
    Q_OBJECT
  private slots:
    void allModelsAndMeasures();
    void totalFaultsBelowObservedIsYellowWithoutPlots();
};

namespace {

void loadTbf(AppHarness& h, const char* file, int expectedCount) {
    FailureDataSet& set = h.data();
    const auto result =
        ReadTbfFile(set, std::string(VARNOK_TEST_DATA_DIR) + "/" + file, kDefaultColumnLayout);
    QVERIFY(result.status == FileStatus::Ok);
    set.dataKind = DataKind::Tbf;
    set.errorHistory = ErrorHistory::Software;
    for (int i = 1; i <= set.tbfCount; ++i) set.tbf(TbfField::FailureType, i) = 0.0;
    QCOMPARE(set.tbfCount, expectedCount);
}

// The full value behind a value box; an input box's typed text.
double number(const QLineEdit* box) {
    return vnk::screens::FullValue(*box).value_or(box->text().toDouble());
}

bool filled(const QPushButton* b, const QColor& c) {
    return b->styleSheet().contains(QStringLiteral("background-color: %1;").arg(c.name()));
}

// The kinds of prediction question, told by their first text.
enum class Ask {
    Reliability,
    NextFailures,
    DesiredIntensity,
    DesiredMtbnf,
    FurtherFailures,
    OperationalTime
};

Ask kindOf(const models::PredictionQuestion& q) {
    const std::string& t = q.pieces.front().text;
    if (t.find("Operational Time") != std::string::npos) return Ask::OperationalTime;
    if (t.find("For a specified time") != std::string::npos) return Ask::Reliability;
    if (t.find("For the next") != std::string::npos) return Ask::NextFailures;
    if (t.find("desired intensity") != std::string::npos) return Ask::DesiredIntensity;
    if (t.find("desired MTBNF") != std::string::npos) return Ask::DesiredMtbnf;
    return Ask::FurtherFailures;
}

// The ranking rule on a list of values: ascending, ties within 0.0005 share a rank, the
// next distinct value counts every nonzero value before it; zeros take the rank before them.
std::vector<int> rankValues(const std::vector<double>& values) {
    std::vector<std::size_t> order(values.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });
    std::vector<int> ranks(values.size(), 0);
    int counted = 0, rank = 0;
    double previous = 0.0;
    for (std::size_t i : order) {
        const double v = values[i];
        if (v != 0.0) {
            ++counted;
            if (std::abs(v - previous) > 0.0005) rank = counted;
        }
        ranks[i] = rank;
        previous = v;
    }
    return ranks;
}

// The values of one row of the printed applicability block ("Accuracy Statistic", ...).
std::vector<double> reportRow(const QString& text, const QString& label) {
    const QRegularExpression line(label + QStringLiteral("\\s+([-0-9. ]+)\\n"));
    std::vector<double> out;
    for (const QString& v : line.match(text).captured(1).split(' ', Qt::SkipEmptyParts))
        out.push_back(v.toDouble());
    return out;
}

}  // namespace

void NtdsExecutionTest::allModelsAndMeasures() {
    AppHarness h;
    loadTbf(h, "ntds_tbf.txt", 26);
    h.data().tbfUnit = TbfUnit::Days;
    QTemporaryDir pdfs;
    QVERIFY(pdfs.isValid());
    h.prompter.pdfFolder = pdfs.path();
    h.options().numericalMethod = 1;

    h.prompter.on<screens::TbfSelectionScreen>([](screens::TbfSelectionScreen& s) {
        s.selectAllBox()->click();
        s.applicabilityBox()->click();
        s.accept();
    });
    h.prompter.on<screens::MeasureScreen>([](screens::MeasureScreen& s) {
        s.selectAllBox()->click();
        s.accept();
    });
    // On NTDS no model can be refitted to the first 13 times (no growth yet), so the default
    // range 13..25 gives no rank; the analyses run from 22 on.
    bool refused = false;
    h.prompter.on<screens::RangeScreen>([&](screens::RangeScreen& s) {
        s.startBox()->setText(QStringLiteral("2"));
        s.accept();
        refused = h.prompter.messages.size() == 1;
        s.startBox()->setText(QStringLiteral("22"));
        s.endBox()->setText(QStringLiteral("25"));
        s.accept();
    });
    QStringList lavTitles;
    for (int i = 0; i < 2; ++i)
        h.prompter.on<screens::LavStartingValuesScreen>([&](screens::LavStartingValuesScreen& s) {
            lavTitles << s.windowTitle();
            s.accept();
        });

    // What the summary and the screens opened from it showed.
    std::map<int, QString> headerColour;
    std::map<int, std::array<int, 5>> ranks;
    std::map<int, QStringList> messagesOf;  // per slot: messages of the three runs
    std::map<int, bool> plotsEnabled;
    std::map<int, QString> modelReport;  // per slot: the PDF text of "Print"
    QString musaTnof, nptTnof, calendarReport, summaryReport;
    int summaryPages = 0, chartPages = 0;
    QString chartReport;
    double calendarResult = -1.0;
    struct MusaCheck {
        double b0 = 0, b1 = 0, remaining = 0, total = 0, cif = 0, cmtbnf = 0;
        std::vector<std::vector<double>> outputs;
    } musa;

    const auto workResultScreen = [&](int slot, screens::ModelResultScreen& s) {
        const models::ModelDescription& d = screens::TbfModelDescription(slot);
        plotsEnabled[slot] = s.plotsButton()->isEnabled();
        // The current intensity and MTBNF as the estimate table shows them.
        double cif = 0.0, cmtbnf = 0.0;
        for (int r = 0; r < s.estimates()->rowCount(); ++r) {
            const QString label = s.estimates()->label(r)->text();
            if (label.startsWith(QStringLiteral("Current Intensity")))
                cif = number(s.estimates()->estimate(r));
            if (label.startsWith(QStringLiteral("Current M")))
                cmtbnf = number(s.estimates()->estimate(r));
        }
        const auto fill = [&](bool ordinary, bool negative) {
            for (int q = 0; q < s.questionCount(); ++q) {
                const models::PredictionQuestion& pq = d.predictions[static_cast<std::size_t>(q)];
                if (!pq.inputEnabled) continue;
                std::vector<double> in;
                switch (kindOf(pq)) {
                    case Ask::Reliability:
                        in = {10.0};
                        break;
                    case Ask::FurtherFailures:
                        in = {10.0};
                        break;
                    case Ask::NextFailures:
                        in = {ordinary ? 1.0 : 1000.0};
                        break;
                    case Ask::DesiredIntensity:
                        in = {ordinary ? cif / 2 : cif * 2};
                        break;
                    case Ask::DesiredMtbnf:
                        in = {ordinary ? cmtbnf * 2 : cmtbnf / 2};
                        break;
                    case Ask::OperationalTime:
                        in = {10.0, 0.9};
                        break;
                }
                for (std::size_t i = 0; i < in.size(); ++i)
                    s.input(q, static_cast<int>(i))
                        ->setText(QString::number(negative ? -1.0 : in[i], 'g', 17));
            }
        };
        const qsizetype before = h.prompter.messages.size();
        fill(true, false);
        s.runButton()->click();
        QStringList shown;
        for (qsizetype i = before; i < h.prompter.messages.size(); ++i)
            shown << h.prompter.messages[i].text;
        shown << QStringLiteral("|");
        if (slot == ex::kMusaBasic) {
            for (int r = 0; r < s.estimates()->rowCount(); ++r) {
                const QString label = s.estimates()->label(r)->text();
                const double v = number(s.estimates()->estimate(r));
                if (label == QStringLiteral("BETA0 Parameter:")) musa.b0 = v;
                if (label == QStringLiteral("BETA1 Parameter:")) musa.b1 = v;
                if (label == QStringLiteral("Total Number of Faults Remaining:"))
                    musa.remaining = v;
                if (label == QStringLiteral("Total Number of Faults:")) musa.total = v;
            }
            musa.cif = cif;
            musa.cmtbnf = cmtbnf;
            for (int q = 0; q < s.questionCount(); ++q) {
                std::vector<double> out;
                for (int i = 0; i < d.predictions[static_cast<std::size_t>(q)].outputCount; ++i)
                    out.push_back(number(s.output(q, i)));
                musa.outputs.push_back(out);
            }
        } else {
            for (int q = 0; q < s.questionCount(); ++q)
                if (d.predictions[static_cast<std::size_t>(q)].inputEnabled)
                    QVERIFY2(number(s.output(q, 0)) > 0.0, d.code.c_str());
        }
        // The printed report carries the model block and the predictions asked.
        s.printButton()->click();
        modelReport[slot] = vnk::test::PdfText(h.prompter.pdfFiles.last());

        const qsizetype beforeBad = h.prompter.messages.size();
        fill(false, false);
        s.runButton()->click();
        for (qsizetype i = beforeBad; i < h.prompter.messages.size(); ++i)
            shown << h.prompter.messages[i].text;
        shown << QStringLiteral("|");
        const qsizetype beforeNegative = h.prompter.messages.size();
        fill(true, true);
        s.runButton()->click();
        for (qsizetype i = beforeNegative; i < h.prompter.messages.size(); ++i) {
            shown << h.prompter.messages[i].text;
            QCOMPARE(h.prompter.messages[i].caption, QStringLiteral("Error"));
            QCOMPARE(h.prompter.messages[i].icon, MessageIcon::Stop);
        }
        messagesOf[slot] = shown;

        if (slot == ex::kMusaBasic) {
            h.prompter.on<screens::CalendarTimeScreen>([&](screens::CalendarTimeScreen& c) {
                const std::vector<const char*> resources = {"1", "1",   "2", "0.5", "1",  "2",
                                                            "0", "1.5", "1", "0.5", "0.5"};
                for (std::size_t i = 0; i < resources.size(); ++i)
                    c.field(4 + static_cast<int>(i))->setText(QString::fromLatin1(resources[i]));
                c.field(15)->setText(QString::number(number(c.field(2)) * 2, 'g', 17));
                c.runButton()->click();
                calendarResult = c.XINT();
                c.printButton()->click();
                calendarReport = vnk::test::PdfText(h.prompter.pdfFiles.last());
                c.okButton()->click();
            });
            s.extraButton(0)->click();
        }
        s.okButton()->click();
    };

    h.prompter.on<screens::ExecutionSummaryScreen>([&](screens::ExecutionSummaryScreen& s) {
        for (int slot = 0; slot < ex::kTbfSlotCount; ++slot) {
            QPushButton* header = s.headerButton(slot);
            for (const auto& [name, colour] :
                 {std::pair{"green", QColor(Qt::green)}, std::pair{"yellow", QColor(235, 225, 33)},
                  std::pair{"red", QColor(Qt::red)}, std::pair{"grey", QColor(120, 120, 120)}})
                if (filled(header, colour)) headerColour[slot] = QString::fromLatin1(name);
            for (int c = 0; c < 5; ++c)
                ranks[slot][static_cast<std::size_t>(c)] = s.rankCell(slot, c)->text().toInt();
        }
        musaTnof = s.valueCell(ex::kMusaBasic, 5)->toolTip();
        nptTnof = s.valueCell(ex::kNpt, 5)->toolTip();
        for (int slot : ex::kTbfProcessingOrder) {
            h.prompter.on<screens::ModelResultScreen>(
                [&, slot](screens::ModelResultScreen& r) { workResultScreen(slot, r); });
            s.headerButton(slot)->click();
        }
        s.printButton()->click();
        summaryPages = vnk::test::PdfPages(h.prompter.pdfFiles.last());
        summaryReport = vnk::test::RunTool(
            QStringLiteral("pdftotext"),
            {QStringLiteral("-layout"), h.prompter.pdfFiles.last(), QStringLiteral("-")});
        h.prompter.printWithCharts = true;
        s.printButton()->click();
        h.prompter.printWithCharts = false;
        chartPages = vnk::test::PdfPages(h.prompter.pdfFiles.last());
        chartReport = vnk::test::RunTool(QStringLiteral("pdftotext"),
                                         {h.prompter.pdfFiles.last(), QStringLiteral("-")});
        s.accept();
    });

    h.frame.runCommand(command::kModelExecution);
    QVERIFY2(h.prompter.scriptDone() && h.prompter.problems.isEmpty(),
             qPrintable(h.prompter.problems.join('\n')));
    QVERIFY(refused);
    QCOMPARE(h.prompter.messages.first().text,
             QStringLiteral("Starting index must be greater than one and the Ending index must "
                            "be less than NS-1"));
    QCOMPARE(lavTitles, (QStringList{"Littlewood and Verrall Linear Model",
                                     "Littlewood and Verrall Quadratic Model"}));
    QCOMPARE(h.options().numericalMethod, 1);

    // Every model succeeds on NTDS: published fits exist for Jelinski/Moranda (N = 31.2) and
    // the exponential mean value function that Musa's basic and the NHPP model share
    // (a = 33.99 faults, b = 0.00579 per day; Goel and Okumoto 1979).
    for (int slot = 0; slot < ex::kTbfSlotCount; ++slot)
        QCOMPARE(headerColour[slot], QStringLiteral("green"));
    QVERIFY(std::abs(musaTnof.toDouble() - 33.99) < 0.0051);
    QVERIFY(std::abs(nptTnof.toDouble() - 33.99) < 0.0051);
    QVERIFY(std::abs(musa.b1 - 0.00579) < 0.000005);

    // Ranks: each measure ranks the printed statistics, smaller first; Overall ranks the
    // mean of each model's nonzero measure ranks.
    if (summaryReport.isEmpty()) QSKIP("pdftotext is not available");
    QCOMPARE(summaryPages, 4);
    // The report with charts: the same report pages, then one page per chart, titled as on screen
    // and captioned with the chart's file name.
    QVERIFY2(chartPages > summaryPages + 10, qPrintable(QString::number(chartPages)));
    QVERIFY(chartReport.contains(QStringLiteral("APPLICABILITY RESULTS")));
    QVERIFY(chartReport.contains(QStringLiteral("Raw and Predicted Data Plot")));
    QVERIFY(chartReport.contains(QStringLiteral("ntds_tbf-summary")));
    const std::array<int, 7> reportOrder = {ex::kGeo,          ex::kJam,       ex::kLavLinear,
                                            ex::kLavQuadratic, ex::kMusaBasic, ex::kMusaLog,
                                            ex::kNpt};
    const QStringList labels = {
        QStringLiteral("Accuracy Statistic"), QStringLiteral("Bias +Statistic"),
        QStringLiteral("Noise +Statistic"), QStringLiteral("Trend +Statistic")};
    // pdftotext keeps the pages in order: the first four columns, then the last three.
    const qsizetype secondPage = summaryReport.indexOf(QStringLiteral("MUS-B"));
    QVERIFY(secondPage > 0);
    std::vector<double> means(7, 0.0);
    for (int m = 0; m < 4; ++m) {
        std::vector<double> stats = reportRow(summaryReport.left(secondPage), labels[m]);
        const std::vector<double> rest = reportRow(summaryReport.mid(secondPage), labels[m]);
        stats.insert(stats.end(), rest.begin(), rest.end());
        QCOMPARE(stats.size(), std::size_t{7});
        int nonzero = 0;
        for (std::size_t i = 0; i < 7; ++i) {
            const int rank = ranks[reportOrder[i]][static_cast<std::size_t>(m)];
            nonzero += rank > 0;
            for (std::size_t j = 0; j < 7; ++j) {
                const int other = ranks[reportOrder[j]][static_cast<std::size_t>(m)];
                // Two decimals printed: only differences beyond rounding decide.
                if (stats[i] != 0.0 && stats[j] != 0.0 && stats[i] < stats[j] - 0.011)
                    QVERIFY2(rank < other, qPrintable(labels[m]));
            }
        }
        QVERIFY2(nonzero >= 2, qPrintable(labels[m]));  // real ranks, not all failed
    }
    // The NHPP model looks for its root from b = 1/t(k) up: on the first 22 failures
    // (t = 149 days) the likelihood peaks at b t = 0.18, so its analyses stop at their first
    // refit and it has no rank.
    for (int c = 0; c < 5; ++c) QCOMPARE(ranks[ex::kNpt][static_cast<std::size_t>(c)], 0);
    std::vector<double> averages(7, 0.0);
    for (int slot = 0; slot < 7; ++slot) {
        double sum = 0.0;
        int count = 0;
        for (int m = 0; m < 4; ++m)
            if (const int r = ranks[slot][static_cast<std::size_t>(m)]; r > 0) {
                sum += r;
                ++count;
            }
        averages[static_cast<std::size_t>(slot)] = count ? sum / count : 0.0;
    }
    const std::vector<int> overall = rankValues(averages);
    for (int slot = 0; slot < 7; ++slot)
        QCOMPARE(ranks[slot][4], overall[static_cast<std::size_t>(slot)]);

    // Prediction messages: ordinary inputs give none; inputs past what the model allows give
    // the question's own message; negative inputs ask for a positive number.
    const auto positive = [](std::initializer_list<int> questions) {
        QStringList out;
        for (int q : questions)
            out << QStringLiteral("A positive number is required to run Prediction %1").arg(q);
        return out;
    };
    const QString bar = QStringLiteral("|");
    QCOMPARE(messagesOf[ex::kGeo], QStringList{bar} << "Input greater than current for Prediction 2"
                                                    << bar << positive({1, 2, 3}));
    QCOMPARE(messagesOf[ex::kJam],
             QStringList{bar} << "The input desired number of failures is illegal for Prediction 2."
                              << "Input greater than current for Prediction 3" << bar
                              << positive({1, 2, 3, 4}));
    QCOMPARE(messagesOf[ex::kLavLinear], QStringList{bar}
                                             << "Input greater than current for Prediction 2" << bar
                                             << positive({1, 2, 3}));
    // The quadratic model has no desired-intensity question: its last question is number 2.
    QCOMPARE(messagesOf[ex::kLavQuadratic], QStringList{bar} << bar << positive({1, 2}));
    QCOMPARE(messagesOf[ex::kMusaBasic],
             QStringList{bar} << "The input desired number of failures is illegal for Prediction 2."
                              << "Input greater than current for Prediction 3"
                              << "Input less than current for Prediction 4" << bar
                              << positive({1, 2, 3, 4, 5}));
    QCOMPARE(messagesOf[ex::kMusaLog], QStringList{bar}
                                           << "Input greater than current for Prediction 3" << bar
                                           << positive({1, 2, 3, 4}));
    QCOMPARE(messagesOf[ex::kNpt], QStringList{bar} << "Input greater than current for Prediction 3"
                                                    << bar << positive({1, 2, 3, 4}));
    for (int slot = 0; slot < 7; ++slot) QVERIFY(plotsEnabled[slot]);

    // Musa's basic predictions from its formulas, with T the time of the last failure.
    double T = 0.0;
    for (int i = 1; i <= 26; ++i) T += h.data().tbf(TbfField::TimeBetweenFailures, i);
    QCOMPARE(T, 250.0);  // the 26 NTDS times span 250 days
    const double b0 = musa.b0, b1 = musa.b1, lop = 10.0;
    QVERIFY(std::abs(musa.outputs[0][0] -
                     std::exp(-b0 * std::exp(-b1 * T) * (1 - std::exp(-b1 * lop)))) < 1e-12);
    QVERIFY(std::abs(musa.outputs[1][0] - std::exp(b1 * T) / (b0 * b1)) < 1e-9);
    // Half the current intensity: ln 2 / b1 more time, half the intensity's worth of failures.
    QVERIFY(std::abs(musa.outputs[2][1] - std::log(2.0) / b1) < 1e-9);
    QVERIFY(std::abs(musa.outputs[2][0] - std::min(musa.cif / 2 / b1, musa.remaining)) < 1e-9);
    // Twice the current MTBNF: the same time, and (1/b1)(1/MP - 1/2MP) failures.
    QVERIFY(std::abs(musa.outputs[3][1] - std::log(2.0) / b1) < 1e-9);
    QVERIFY(std::abs(musa.outputs[3][0] - std::min(1 / b1 / (2 * musa.cmtbnf), musa.total - 26)) <
            1e-9);
    QVERIFY(
        std::abs(musa.outputs[4][0] - std::min(b0 * (std::exp(-b1 * T) - std::exp(-b1 * (T + lop))),
                                               musa.remaining)) < 1e-9);

    // Calendar: the data are in days, so the hours warning came first; a desired MTBNF of
    // twice the current one gives a positive number of hours.
    QVERIFY(h.prompter.messageTexts().contains(
        QStringLiteral("Model requires estimates measured in hours; alter values as needed.")));
    QVERIFY(calendarResult > 0.0);
    QVERIFY(calendarReport.contains(QStringLiteral("MUSA'S CALENDAR TIME COMPONENT REPORT")));
    QVERIFY(calendarReport.contains(QStringLiteral("Desired MTBNF (hours)")));

    // Reports: the header block, the model's block and the predictions asked.
    const std::map<int, QString> blocks = {{ex::kGeo, "GEOMETRIC MODEL"},
                                           {ex::kJam, "JELINSKI/MORANDA MODEL"},
                                           {ex::kLavLinear, "LINEAR MODEL"},
                                           {ex::kLavQuadratic, "QUADRATIC MODEL"},
                                           {ex::kMusaBasic, "MUSA'S BASIC MODEL"},
                                           {ex::kMusaLog, "MUSA'S LOGARITHMIC MODEL"},
                                           {ex::kNpt, "PREDICTIONS"}};
    for (const auto& [slot, block] : blocks) {
        const QString& text = modelReport[slot];
        QVERIFY2(text.contains(QStringLiteral("VARNOK EXECUTION TIME MODEL RESULTS")),
                 qPrintable(block));
        QVERIFY2(text.contains(block), qPrintable(block));
        QVERIFY2(text.contains(QStringLiteral("PREDICTIONS")), qPrintable(block));
    }
    QVERIFY(modelReport[ex::kMusaBasic].contains(QStringLiteral("For a specified time of 10.0")));
    QVERIFY(summaryReport.contains(QStringLiteral("APPLICABILITY RESULTS")));
    QVERIFY(summaryReport.contains(QStringLiteral("ORIGINAL AND PREDICTED DATA")));
}

void NtdsExecutionTest::totalFaultsBelowObservedIsYellowWithoutPlots() {
    // SYS3: the Jelinski/Moranda likelihood peaks at N = 37.9, below the 38 failures seen, so
    // the estimation returns flag 4 and keeps its results.
    AppHarness h;
    loadTbf(h, "sys3_tbf.txt", 38);
    h.prompter.on<screens::TbfSelectionScreen>([](screens::TbfSelectionScreen& s) {
        s.modelBox(ex::kJam)->click();
        s.accept();
    });
    bool yellow = false, otherGrey = true, plots = true, run = false;
    double total = 0.0;
    h.prompter.on<screens::ExecutionSummaryScreen>([&](screens::ExecutionSummaryScreen& s) {
        yellow = filled(s.headerButton(ex::kJam), QColor(235, 225, 33));
        for (int slot : {ex::kGeo, ex::kMusaBasic, ex::kNpt})
            otherGrey = otherGrey && filled(s.headerButton(slot), QColor(120, 120, 120)) &&
                        !s.headerButton(slot)->isEnabled();
        h.prompter.on<screens::ModelResultScreen>([&](screens::ModelResultScreen& r) {
            plots = r.plotsButton()->isEnabled();
            run = r.runButton()->isEnabled();
            for (int row = 0; row < r.estimates()->rowCount(); ++row)
                if (r.estimates()->label(row)->text() == QStringLiteral("Total Number of Faults:"))
                    total = number(r.estimates()->estimate(row));
            r.accept();
        });
        s.headerButton(ex::kJam)->click();
        s.accept();
    });
    h.frame.runCommand(command::kModelExecution);
    QVERIFY2(h.prompter.scriptDone() && h.prompter.problems.isEmpty(),
             qPrintable(h.prompter.problems.join('\n')));
    QVERIFY(yellow);
    QVERIFY(otherGrey);
    QVERIFY(!plots);
    QVERIFY(std::abs(total - 37.9) < 0.05);
    // Fewer faults than failures seen: nothing remains to predict.
    QVERIFY(!run);
}

QTEST_MAIN(NtdsExecutionTest)
#include "ntds_execution_test.moc"
