// Ctrl+C on a value table: tab-separated text of the selection, or of the whole table with its
// headings.
#include "app/kit/table_copy.h"

#include <QClipboard>
#include <QTableWidget>
#include <QtTest>

using namespace vnk::app;

class TableCopyTest : public QObject {
    Q_OBJECT
  private slots:
    void copiesTheWholeTableOrTheSelection() {
        QTableWidget table(3, 2);
        table.setHorizontalHeaderLabels({QStringLiteral("Model"), QStringLiteral("MTBF")});
        const char* cells[3][2] = {{"GO", "12.5"}, {"JM", "1e+06"}, {"tab\there", "-"}};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 2; ++c)
                table.setItem(r, c, new QTableWidgetItem(QString::fromLatin1(cells[r][c])));
        table.clearSelection();
        QCOMPARE(TableAsTabSeparated(table),
                 QStringLiteral("Model\tMTBF\nGO\t12.5\nJM\t1e+06\ntab here\t-\n"));

        // A selection copies the rectangle it spans; unselected cells stay empty.
        table.item(0, 1)->setSelected(true);
        table.item(1, 0)->setSelected(true);
        QCOMPARE(TableAsTabSeparated(table), QStringLiteral("\t12.5\nJM\t\n"));

        // Through the key, as the application's filter sees it.
        TableCopyFilter filter;
        qApp->installEventFilter(&filter);
        table.show();
        table.setFocus();
        QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("\t12.5\nJM\t\n"));
        qApp->removeEventFilter(&filter);
    }
};

QTEST_MAIN(TableCopyTest)
#include "table_copy_test.moc"
