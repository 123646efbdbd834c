#include "row_list_model.h"

#include <QAbstractItemModelTester>
#include <QtTest>

// Qt's own checks of the model's contract, over the refills a window makes.
class RowListModelTest : public QObject {
    Q_OBJECT

  private slots:
    void testKeepsTheModelContractThroughRefills() {
        drawchk::RowList rows;
        RowListModel model(rows);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.Refill([&] {
            rows.Append("5001   2011-08-25  Cs");
            rows.Append("\xF5\xE9\xE1\xFB   2011-08-26  P");
        });
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.columnCount(), 1);
        QCOMPARE(model.index(1, 0).data().toString(), QString("őéáű   2011-08-26  P"));
        QVERIFY(!model.index(1, 0).data(Qt::DecorationRole).isValid());
        model.Refill([&] { rows.Clear(); });
        QCOMPARE(model.rowCount(), 0);
    }
};

QTEST_MAIN(RowListModelTest)
#include "row_list_model_test.moc"
