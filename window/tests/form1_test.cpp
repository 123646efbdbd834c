#include "form1.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include "sample_draws.h"
#include "temp_folder.h"

using drawchk::testing::ReadFile;
using drawchk::testing::TempFolder;
using drawchk::testing::WriteFile;

class Form1Test : public QObject {
    Q_OBJECT

  private:
    // A shown, active window over a program folder that holds `draws` as its draw file.
    std::unique_ptr<Form1> Open(const std::string& draws) {
        WriteFile(folder_ / "keno.old", draws);
        auto form = std::make_unique<Form1>(folder_.path());
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get())) qWarning("window did not become active");
        return form;
    }
    static QTableView* List(Form1& form) { return form.findChild<QTableView*>("List1"); }
    static QPushButton* Button(Form1& form, const char* name) {
        return form.findChild<QPushButton*>(name);
    }
    static int TopRow(QTableView* list) { return list->indexAt(QPoint(2, 2)).row(); }
    static int BottomRow(QTableView* list) {
        return list->indexAt(QPoint(2, list->viewport()->height() - 2)).row();
    }

    TempFolder folder_;

  private slots:
    void testCheckFillsTheListAndShowsTheNewestAtTheBottom() {
        auto form = Open(drawchk::SampleDraws(1, 10113));
        QTableView* list = List(*form);
        QCOMPARE(list->model()->rowCount(), 0);
        QTest::mouseClick(Button(*form, "Command3D2"), Qt::LeftButton);
        QCOMPARE(list->model()->rowCount(), 5113);
        QCOMPARE(list->model()->index(0, 0).data().toString(), QString("5001   2011-08-25  Cs"));
        QCOMPARE(TopRow(list), 5113 - 15);
        QCOMPARE(BottomRow(list), 5112);
        QCOMPARE(ReadFile(folder_ / "Drawchk.txt"), std::string("10113   2025-08-29  P\r\n"));
    }

    void testSecondClickGivesTheSameRows() {
        auto form = Open(drawchk::SampleDraws(1, 5020));
        QPushButton* check = Button(*form, "Command3D2");
        QTest::mouseClick(check, Qt::LeftButton);
        List(*form)->scrollToTop();
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(List(*form)->model()->rowCount(), 20);
        QCOMPARE(TopRow(List(*form)), 5);
    }

    void testFifteenWholeRowsAreVisible() {
        auto form = Open(drawchk::SampleDraws(1, 5100));
        QTableView* list = List(*form);
        QTest::mouseClick(Button(*form, "Command3D2"), Qt::LeftButton);
        const int row_height = list->visualRect(list->model()->index(85, 0)).height();
        QVERIFY(row_height > 0);
        QCOMPARE(list->viewport()->height(), 15 * row_height);
        QCOMPARE(BottomRow(list) - TopRow(list) + 1, 15);
        QVERIFY(!list->horizontalScrollBar()->isVisible());
        // The buttons sit under the list, inside the window.
        QVERIFY(Button(*form, "Command3D2")->geometry().top() > list->geometry().bottom());
        QVERIFY(Button(*form, "Command3D3")->geometry().bottom() < form->height());
    }

    void testCaptionsAndColours_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("rows_above");  // button rows above this one
        QTest::newRow("check") << "Command3D2"
                               << "Ellenőrzés" << QColor(0, 128, 0) << 0;
        QTest::newRow("end") << "Command3D3"
                             << "Vége" << QColor(255, 0, 0) << 1;
    }

    void testCaptionsAndColours() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QColor, colour);
        QFETCH(int, rows_above);
        auto form = Open("");
        QPushButton* button = Button(*form, name.toLatin1().constData());
        QVERIFY(button != nullptr);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->palette().color(QPalette::ButtonText), colour);
        // The column of the window at 13-pixel rows (list 199 high, buttons at 224 and 264,
        // window 306 high), with the list grown or shrunk to fifteen rows of the font at hand.
        const int list_height = 15 * QFontMetrics(form->font()).height() + 4;
        QCOMPARE(List(*form)->geometry(), QRect(17, 14, 169, list_height));
        QCOMPARE(button->geometry(), QRect(48, 14 + list_height + 11 + 40 * rows_above, 107, 29));
        QCOMPARE(form->height(), 14 + list_height + 11 + 40 + 29 + 13);
    }

    void testListHasASunkenTwoPixelBorderAndABarOnlyWhenNeeded() {
        auto form = Open(drawchk::SampleDraws(1, 5010));
        QTableView* list = List(*form);
        QCOMPARE(list->frameWidth(), 2);
        QCOMPARE(list->frameShadow(), QFrame::Sunken);
        QTest::mouseClick(Button(*form, "Command3D2"), Qt::LeftButton);
        QVERIFY(!list->verticalScrollBar()->isVisible());
        WriteFile(folder_ / "keno.old", drawchk::SampleDraws(1, 5016));
        QTest::mouseClick(Button(*form, "Command3D2"), Qt::LeftButton);
        QTRY_VERIFY(list->verticalScrollBar()->isVisible());
    }

    void testUnknownProgramFolderIsSaidInOneRowAndNothingIsWritten() {
        Form1 form{std::nullopt};
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTableView* list = List(form);
        QCOMPARE(list->model()->rowCount(), 1);
        QCOMPARE(list->model()->index(0, 0).data().toString(),
                 QString("A program mappája nem állapítható meg."));
        QTest::mouseClick(Button(form, "Command3D2"), Qt::LeftButton);
        QCOMPARE(list->model()->rowCount(), 1);
    }

    void testWindowIsTitledOnTopAndGrey() {
        auto form = Open("");
        QCOMPARE(form->windowTitle(), QString("Drawchk."));
        QVERIFY(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(form->palette().color(QPalette::Window), QColor(224, 224, 224));
        QCOMPARE(form->width(), 203);
        QVERIFY(form->font().bold());
        QCOMPARE(form->font().pointSizeF(), 8.25);
        QVERIFY(!form->windowIcon().isNull());
    }

    void testFocusStartsOnCheckAndTabFollowsTheColumn() {
        auto form = Open("");
        QCOMPARE(QApplication::focusWidget(), Button(*form, "Command3D2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), List(*form));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Button(*form, "Command3D3"));
    }

    void testSpaceAndEnterClickTheFocusedButton_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("space") << int(Qt::Key_Space);
        QTest::newRow("enter") << int(Qt::Key_Return);
    }

    void testSpaceAndEnterClickTheFocusedButton() {
        QFETCH(int, key);
        auto form = Open(drawchk::SampleDraws(1, 5003));
        QTest::keyClick(Button(*form, "Command3D2"), Qt::Key(key));
        QCOMPARE(List(*form)->model()->rowCount(), 3);
    }

    void testWindowsTextIsShownDecoded() {
        auto form = Open(drawchk::SampleDraws(1, 5000) + "\xF5\xE9\xE1\xFB 1 2\r\n");
        QTest::mouseClick(Button(*form, "Command3D2"), Qt::LeftButton);
        QCOMPARE(List(*form)->model()->index(0, 0).data().toString(),
                 QString("őéáű   2011-08-25  Cs"));
    }

    void testEndButtonEndsTheProgramWithStatusZero() {
        auto form = Open("");
        QTimer::singleShot(0, form.get(), [&form] {
            QTest::mouseClick(Button(*form, "Command3D3"), Qt::LeftButton);
        });
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
