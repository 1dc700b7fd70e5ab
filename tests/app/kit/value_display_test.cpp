// A value box shows the report's rounding but copies the full value.
#include "app/kit/value_display.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QtTest>

class ValueDisplayTest : public QObject {
    Q_OBJECT
  private slots:
    void copyTakesTheFullValueAndTheFilterIsInstalledOnce() {
        QLineEdit box;
        box.setReadOnly(true);
        vnk::screens::ShowFixed(box, 2.34567891234, 3);
        QCOMPARE(box.text(), QStringLiteral("2.346"));
        vnk::screens::ShowFixed(box, 2.34567891234, 3);  // shown again: one filter, not two
        box.show();
        box.setFocus();
        QGuiApplication::clipboard()->clear();
        QTest::keySequence(&box, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), box.toolTip());
        QVERIFY(box.toolTip().startsWith(QStringLiteral("2.3456789123")));
        QCOMPARE(box.findChildren<QObject*>(QStringLiteral("vnkFullValueCopy"),
                                            Qt::FindDirectChildrenOnly)
                     .size(),
                 1);
    }
};

QTEST_MAIN(ValueDisplayTest)
#include "value_display_test.moc"
