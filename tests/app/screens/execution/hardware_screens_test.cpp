// Hardware growth screens off-screen: labels in order, values shown, what OK stores.
#include "app/screens/execution/hardware_screens.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "support/scripted_prompter.h"

using namespace vnk;
using namespace vnk::interval_screens;

namespace {
QStringList Labels(const QWidget& w) {
    QStringList out;
    const auto* form = w.findChild<QFormLayout*>();
    for (int r = 0; r < form->rowCount(); ++r) {
        auto* item = form->itemAt(r, QFormLayout::LabelRole);
        if (item && item->widget()) out << static_cast<QLabel*>(item->widget())->text();
    }
    return out;
}
}  // namespace

class HardwareScreensTest : public QObject {
    Q_OBJECT
    vnk::app::test::ScriptedPrompter p;  // answers the Help buttons

  private slots:
    void projectionResultShowsSevenOutputsInOrder() {
        ProjectionResult r{0.5, 2.0, 0.125, 8.0, 0.01, 0.02, 0.75};
        auto screen = ProjectionResultScreen(p, r);
        QCOMPARE(screen->windowTitle(),
                 QString("AMSAA / CROW Reliability Growth Projection Model"));
        QCOMPARE(screen->fieldCount(), 7);
        QCOMPARE(Labels(*screen).first(), QString("Model Shape Parameter (Beta):"));
        QCOMPARE(Labels(*screen).last(), QString("Percent B mode Failure Intensity Seen:"));
        QCOMPARE(screen->field(3)->text(), QString("8"));
        QCOMPARE(screen->field(6)->text(), QString("0.75"));  // a fraction, not a percentage
        QVERIFY(screen->field(0)->isReadOnly());
    }

    void discreteResultShowsFiveValues() {
        auto screen = DiscreteResultScreen(p, 40, 7, 0.3, 0.625, 0.9);
        QCOMPARE(screen->windowTitle(), QString("AMSAA Discrete Reliability Growth Model"));
        QCOMPARE(Labels(*screen),
                 (QStringList{"Total Number of Trials:", "Total Number of Failures:",
                              "Model Scale Parameter:", "Model Growth Parameter:",
                              "Estimated Reliability of the final configuration:"}));
        QCOMPARE(screen->field(0)->text(), QString("40"));
        QCOMPARE(screen->field(3)->text(), QString("0.625"));
        screen->show();
        QTest::mouseClick(screen->okButton(), Qt::LeftButton);
        QVERIFY(!screen->isVisible());
    }

    void additionalInputsRefuseTextThenStoreBoth() {
        execution::ProjectionInputsRequest r{120.5, 0.0};
        ProjectionInputsDialog d(p, r);
        QCOMPARE(d.windowTitle(), QString("AMSAA / CROW Additional Input Values"));
        QCOMPARE(Labels(d), (QStringList{"Total Test Time:", "Number of A Mode Failures:"}));
        QCOMPARE(d.field(0)->text(), QString("120.5"));
        d.show();
        d.field(0)->setText("oops");
        d.field(1)->setText("3");
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        QVERIFY(d.isVisible());
        QCOMPARE(r.aModeFailures, 0.0);
        d.field(0)->setText("200");
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QCOMPARE(r.totalTestTime, 200.0);
        QCOMPARE(r.aModeFailures, 3.0);
    }
};

QTEST_MAIN(HardwareScreensTest)
#include "hardware_screens_test.moc"
