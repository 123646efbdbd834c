#include "row_list_model.h"

#include <QAbstractItemModelTester>
#include <QtTest>

#include "temp_folder.h"
#include "window_check.h"
#include "window_table.h"

// Qt's own checks of the model's contract, over the refills a window makes, and rows shown in
// the user's own letters whatever the draw file's encoding.
class RowListModelTest : public QObject {
    Q_OBJECT

  private slots:
    void testKeepsTheModelContractThroughRefills() {
        drawchk::testing::TempFolder folder;
        drawchk::testing::WriteFile(
            folder / "keno.old", drawchk::testing::NumberedLines(5001) + "\xF5\xE9\xE1\xFB 1\r\n");
        drawchk::WindowCheck check(folder.path());
        const drawchk::WindowTable program(check);
        const CheckTable table(program.Services());
        RowListModel model(table);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.Refill([&] { table.Run(false); });
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.index(1, 0).data().toString(), QString("őéáű   2011-08-26  P"));
        QVERIFY(!model.index(1, 0).data(Qt::DecorationRole).isValid());
        // Saved as Unicode: the rows are read as UTF-8, and shown so.
        std::string utf16 = "\xFF\xFE";
        for (const char c : drawchk::testing::NumberedLines(5000) + "@12 1\r\n") {
            utf16 += c == '@' ? std::string("\x51\x01", 2) : std::string{c, '\0'};
        }
        drawchk::testing::WriteFile(folder / "keno.old", utf16);
        model.Refill([&] { table.Run(false); });
        QCOMPARE(model.index(0, 0).data().toString(), QString("ő12   2011-08-25  Cs"));
        std::filesystem::remove(folder / "keno.old");
        model.Refill([&] { table.Run(false); });
        QCOMPARE(model.rowCount(), 0);
    }
};

QTEST_MAIN(RowListModelTest)
#include "row_list_model_test.moc"
