// "Print" on a result screen: the report texts reach a PDF unchanged.
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "app/screens/model/model_result_screen.h"
#include "models/tbf_models.h"
#include "numerics/geometric.h"
#include "print/pdf_probe.h"
#include "print/report_pages.h"
#include "support/scripted_prompter.h"

using namespace vnk;
using namespace vnk::screens;

class ModelReportPdfTest : public QObject {
    Q_OBJECT
  private slots:
    void geometricReportWithOnePrediction() {
        models::ModelContext ctx;
        std::ifstream in(VARNOK_TEST_DATA_DIR "/ntds_tbf.txt");
        for (double x; in >> x;) ctx.data.push_back(x);
        ctx.NS = static_cast<int>(ctx.data.size());
        SGEOMD(1, ctx.NS, ConstRealArray(ctx.data), ctx.tbfStats, ctx.RFLAG);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("geometric.pdf"));
        bool written = false;
        ModelScreenActions actions;
        actions.print = [&](const std::string& report) {
            written = print::WriteReportPdf(std::vector<std::string>{report}, path);
        };
        vnk::app::test::ScriptedPrompter sink;
        ModelResultScreen screen(models::GeometricModel(), ctx, sink, actions);
        screen.input(0, 0)->setText("2");
        screen.runPredictions();
        screen.printButton()->click();
        QVERIFY(written);

        const QString text = test::PdfText(path);
        if (text.isEmpty()) QSKIP("pdftotext is not available");
        QVERIFY(text.contains(QStringLiteral("GEOMETRIC MODEL")));
        QVERIFY(text.contains(QStringLiteral("PREDICTIONS")));
        QVERIFY(text.contains(QStringLiteral("For the next 2.0 failures")));
        QVERIFY(!text.contains(QStringLiteral("In a specified time")));
    }
};

QTEST_MAIN(ModelReportPdfTest)
#include "model_report_pdf_test.moc"
