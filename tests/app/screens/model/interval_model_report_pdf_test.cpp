// "Print" on an interval model's result and error screens, through the printing layer into a
// PDF in a temporary folder.
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/screens/model/interval_model_screens.h"
#include "app/screens/model/model_result_screen.h"
#include "models/report_header.h"
#include "print/pdf_probe.h"
#include "print/report_pages.h"
#include "support/interval_record.h"
#include "support/scripted_prompter.h"

using namespace vnk;
using namespace vnk::screens;
namespace ex = vnk::execution;

namespace {

// Opens the slot's screen, lets `use` work on it, and prints it into `path`.
bool PrintSlot(const ex::IntervalExecutionResults& r, int slot, const QString& path,
               const std::function<void(QDialog&)>& use) {
    bool written = false;
    ModelScreenActions actions;
    actions.reportHeader = models::IntervalReportHeader(r.NS, ConstRealArray(r.countStatistics),
                                                        ConstRealArray(r.lengthStatistics));
    actions.print = [&](const std::string& report) {
        written = print::WriteReportPdf(std::vector<std::string>{report}, path);
    };
    vnk::app::test::ScriptedPrompter sink;
    sink.everyScreen = [&](QDialog& d) {
        use(d);
        for (QPushButton* b : d.findChildren<QPushButton*>())
            if (b->text() == "Print") QTest::mouseClick(b, Qt::LeftButton);
    };
    OpenIntervalModelScreen(r, slot, 1000.0, sink, actions);
    return written;
}

}  // namespace

class IntervalModelReportPdfTest : public QObject {
    Q_OBJECT
  private slots:
    void yamadaResultsWithPredictions() {
        const auto r = test::Execute(test::ReadIntervals("data4_interval.txt"));
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("yamada.pdf"));
        QVERIFY(PrintSlot(r, ex::kYam, path, [](QDialog& d) {
            auto& s = static_cast<ModelResultScreen&>(d);
            s.input(0, 0)->setText("2");
            s.input(2, 0)->setText("0.5");
            s.runPredictions();
        }));
        const QString text = test::PdfText(path);
        if (text.isEmpty()) QSKIP("pdftotext is not available");
        QVERIFY(
            text.contains(QStringLiteral("VARNOK INTERVAL MODEL RESULTS FOR SOFTWARE ANALYSIS")));
        QVERIFY(text.contains(QStringLiteral("YAMADA'S S-SHAPED RELIABILITY GROWTH MODEL")));
        QVERIFY(text.contains(QStringLiteral("For the next testing period of length 2.0")));
        QVERIFY(text.contains(QStringLiteral("For the next testing period of length of 0.5")));
        QVERIFY(!text.contains(QStringLiteral("faults to be discovered")));
    }

    void brooksMotleyErrorScreen() {
        const auto r = test::Execute(test::ReadIntervals("sys1_interval.txt"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bm.pdf"));
        QVERIFY(PrintSlot(r, ex::kBmPoisson, path, [](QDialog&) {}));
        const QString text = test::PdfText(path);
        if (text.isEmpty()) QSKIP("pdftotext is not available");
        QVERIFY(text.contains(QStringLiteral("BROOKS AND MOTLEY'S DISCRETE SR MODEL - Poisson")));
        QVERIFY(text.contains(QStringLiteral("ERRORS OCCURRED")));
        QVERIFY(text.contains(QStringLiteral("The Data are not appropriate for the model.")));
    }
};

QTEST_MAIN(IntervalModelReportPdfTest)
#include "interval_model_report_pdf_test.moc"
