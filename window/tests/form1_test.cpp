#include "form1.h"

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <fstream>

#include "check_triggers.h"
#include "draw_list_view.h"
#include "list_colours.h"
#include "qt_design.h"
#include "sample_draws.h"
#include "temp_folder.h"
#include "window_check.h"
#include "window_table.h"

using drawchk::design::ContrastRatio;
using drawchk::testing::ReadFile;
using drawchk::testing::TempFolder;
using drawchk::testing::WriteFile;

class Form1Test : public QObject {
    Q_OBJECT

  private:
    // A shown, active window over a program folder that holds `draws` as its draw file.
    std::unique_ptr<Form1> Open(const std::string& draws) {
        WriteFile(program_->folder / "keno.old", draws);
        auto form = std::make_unique<Form1>(program_->table.Services());
        form->show();
        form->activateWindow();
        // A window that never becomes active fails the test that opened it.
        if (!QTest::qWaitForWindowActive(form.get())) {
            QTest::qFail("the window did not become active", __FILE__, __LINE__);
        }
        return form;
    }
    static QListView* List(Form1& form) { return form.findChild<QListView*>("List1"); }
    static QPushButton* Button(Form1& form, const char* name) {
        return form.findChild<QPushButton*>(name);
    }
    static int CountPixels(const QImage& image, const QColor& colour) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
        }
        return count;
    }
    static int TopRow(QListView* list) { return list->indexAt(QPoint(2, 2)).row(); }
    static int BottomRow(QListView* list) {
        return list->indexAt(QPoint(2, list->viewport()->height() - 2)).row();
    }

    // A program folder of each test's own, and the check the window runs over it.
    struct Program {
        explicit Program(const Form1Test* test)
            : check(folder.path(), [test] { return test->today_; }) {}

        TempFolder folder;
        drawchk::WindowCheck check;
        drawchk::WindowTable table{check};
    };

    std::unique_ptr<Program> program_;
    // The day after the sample file's newest draw, unless a test says otherwise.
    std::chrono::year_month_day today_;

  private slots:
    void init() {
        today_ = std::chrono::year{2025} / 8 / 30;
        program_ = std::make_unique<Program>(this);
    }

    void testCheckFillsTheListAndShowsTheNewestAtTheBottom() {
        auto form = Open(drawchk::SampleDraws(1, 10113));
        QListView* list = List(*form);
        QCOMPARE(list->model()->rowCount(), 0);
        QTest::mouseClick(Button(*form, "Command3D2"), Qt::LeftButton);
        QCOMPARE(list->model()->rowCount(), 5113);
        QCOMPARE(list->model()->index(0, 0).data().toString(), QString("5001   2011-08-25  Cs"));
        QCOMPARE(TopRow(list), 5113 - 15);
        QCOMPARE(BottomRow(list), 5112);
        QCOMPARE(ReadFile(program_->folder / "Drawchk.txt"),
                 std::string("10113   2025-08-29  P\r\n"));
    }

    void testSecondClickGivesTheSameRows() {
        today_ = std::chrono::year{2011} / 9 / 13;
        auto form = Open(drawchk::SampleDraws(1, 5020));
        QPushButton* check = Button(*form, "Command3D2");
        QTest::mouseClick(check, Qt::LeftButton);
        List(*form)->scrollToTop();
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(List(*form)->model()->rowCount(), 20);
        QCOMPARE(TopRow(List(*form)), 5);
    }

    // A change to keno.old is checked by itself once it settles; the check's own write of the
    // result file settles too, and starts no other check.
    void testAChangedDrawFileIsCheckedAgainWithNoClick() {
        auto form = Open(drawchk::SampleDraws(1, 10112));
        QTest::mouseClick(Button(*form, "Command3D2"), Qt::LeftButton);
        QSignalSpy settled(form->findChild<CheckTriggers*>(), &CheckTriggers::Settled);
        WriteFile(program_->folder / "keno.old", drawchk::SampleDraws(1, 10113));
        QTRY_COMPARE(List(*form)->model()->rowCount(), 5113);
        QCOMPARE(ReadFile(program_->folder / "Drawchk.txt"),
                 std::string("10113   2025-08-29  P\r\n"));
        QTRY_VERIFY(settled.count() >= 2);
        QCOMPARE(program_->check.Checks(), 2);
    }

    // keno.old replaced by a rename while a hard link keeps the old file: a later write in
    // place, on the new file, is still seen, once.
    void testAReplacedDrawFileStaysWatched() {
        auto form = Open(drawchk::SampleDraws(1, 10111));
        QTest::mouseClick(Button(*form, "Command3D2"), Qt::LeftButton);
        const TempFolder& folder = program_->folder;
        std::filesystem::create_hard_link(folder / "keno.old", folder / "keno.kept");
        WriteFile(folder / "keno.new", drawchk::SampleDraws(1, 10112));
        std::filesystem::rename(folder / "keno.new", folder / "keno.old");
        QTRY_COMPARE(List(*form)->model()->rowCount(), 5112);
        QSignalSpy settled(form->findChild<CheckTriggers*>(), &CheckTriggers::Settled);
        QTRY_VERIFY(settled.count() >= 1);
        const int checks = program_->check.Checks();
        std::ofstream(folder / "keno.old", std::ios::app) << drawchk::SampleDraws(10113, 10113);
        QTRY_COMPARE(List(*form)->model()->rowCount(), 5113);
        QTRY_VERIFY(settled.count() >= 3);
        QCOMPARE(program_->check.Checks(), checks + 1);
    }

    // The user moved to a row, then saved keno.old in another program, which left no line end
    // after the last line: the check holds its answer back once, then answers with no click,
    // once, and keeps the row through both, though the window was not the active one.
    void testAnAutomaticCheckKeepsTheRowMovedToInAnInactiveWindow() {
        auto form = Open(drawchk::SampleDraws(1, 5040));
        QTest::mouseClick(Button(*form, "Command3D2"), Qt::LeftButton);
        QTest::keyClick(Button(*form, "Command3D2"), Qt::Key_Tab);
        for (int up = 0; up < 3; ++up) QTest::keyClick(List(*form), Qt::Key_Up);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QSignalSpy settled(form->findChild<CheckTriggers*>(), &CheckTriggers::Settled);
        std::string unended = drawchk::SampleDraws(1, 5041);
        unended.resize(unended.size() - 2);
        WriteFile(program_->folder / "keno.old", unended);
        QTRY_VERIFY(settled.count() >= 1);
        QCOMPARE(static_cast<DrawListView*>(List(*form))->CurrentRow(), 36);
        QTRY_COMPARE(List(*form)->model()->rowCount(), 41);
        // The answer's own write of the result file settles too, and starts no check.
        QTRY_VERIFY(settled.count() >= 3);
        QCOMPARE(program_->check.Checks(), 2);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(List(*form)->currentIndex().row(), 36);
    }

    void testFifteenWholeRowsAreVisible() {
        today_ = std::chrono::year{2011} / 12 / 2;
        auto form = Open(drawchk::SampleDraws(1, 5100));
        QListView* list = List(*form);
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
        today_ = std::chrono::year{2011} / 9 / 4;
        auto form = Open(drawchk::SampleDraws(1, 5010));
        QListView* list = List(*form);
        QCOMPARE(list->frameWidth(), 2);
        QCOMPARE(list->frameShadow(), QFrame::Sunken);
        QTest::mouseClick(Button(*form, "Command3D2"), Qt::LeftButton);
        QVERIFY(!list->verticalScrollBar()->isVisible());
        WriteFile(program_->folder / "keno.old", drawchk::SampleDraws(1, 5016));
        today_ = std::chrono::year{2011} / 9 / 10;
        QTest::mouseClick(Button(*form, "Command3D2"), Qt::LeftButton);
        QTRY_VERIFY(list->verticalScrollBar()->isVisible());
    }

    void testUnknownProgramFolderIsSaidInAHintAndNothingIsWritten() {
        // Started from a folder with a draw file, which a check that guessed would take.
        const TempFolder started_from;
        WriteFile(started_from / "keno.old", drawchk::SampleDraws(1, 5001));
        const QString started_in = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(started_from.path().string()));
        drawchk::WindowCheck unknown{std::nullopt};
        const drawchk::WindowTable table{unknown};
        Form1 form{table.Services()};
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QListView* list = List(form);
        QCOMPARE(list->model()->rowCount(), 0);
        QCOMPARE(list->accessibleDescription(), QString("A program mappája nem állapítható meg."));
        QTest::mouseClick(Button(form, "Command3D2"), Qt::LeftButton);
        QDir::setCurrent(started_in);
        QCOMPARE(list->model()->rowCount(), 0);
        QCOMPARE(drawchk::testing::NamesIn(started_from.path()),
                 std::vector<std::string>{"keno.old"});
    }

    // The hint is painted in grey inside the list, and said to a screen reader; the next check
    // that gives rows takes it away.
    void testAnEmptyListSaysWhy_data() {
        QTest::addColumn<QString>("draws");  // "-": no draw file
        QTest::addColumn<QString>("hint");
        QTest::newRow("no draw file")
            << "-"
            << "Nincs keno.old a program mappájában: tegye a keno.old fájlt a "
               "program mellé.";
        QTest::newRow("only the history") << QString::fromStdString(drawchk::SampleDraws(1, 5000))
                                          << "A keno.old csak a legrégebbi húzásokat tartalmazza, "
                                             "vagy üres: tegye a helyére a teljes fájlt.";
    }

    void testAnEmptyListSaysWhy() {
        QFETCH(QString, draws);
        QFETCH(QString, hint);
        auto form = Open(draws.toStdString());
        if (draws == "-") std::filesystem::remove(program_->folder / "keno.old");
        QListView* list = List(*form);
        QTest::mouseClick(Button(*form, "Command3D2"), Qt::LeftButton);
        QCOMPARE(list->model()->rowCount(), 0);
        QCOMPARE(list->accessibleDescription(), hint);
        const QImage unfocused = list->viewport()->grab().toImage();
        QVERIFY(CountPixels(unfocused, QColor(100, 100, 100)) > 20);
        // Focused, the empty list frames itself outside the hint's margin, not through it.
        list->setFocus();
        const QImage focused = list->viewport()->grab().toImage();
        const QRect words = focused.rect().adjusted(5, 5, -5, -5);
        QVERIFY(CountPixels(focused.copy(1, 0, 1, focused.height()), Qt::black) > 20);
        QCOMPARE(focused.copy(words), unfocused.copy(words));
        WriteFile(program_->folder / "keno.old", drawchk::SampleDraws(1, 5001));
        today_ = std::chrono::year{2011} / 8 / 26;
        QTest::mouseClick(Button(*form, "Command3D2"), Qt::LeftButton);
        QCOMPARE(list->accessibleDescription(), QString());
        // Focused, the row's selection is the theme's, in which no grey of the hint's stands.
        list->setFocus();
        QCOMPARE(CountPixels(list->viewport()->grab().toImage(), QColor(100, 100, 100)), 0);
    }

    // Reads of the draw file fail part-way, as on a drive that drops: the rows read stay, and
    // words over them, and in the list's description, say the file was not read to its end,
    // until a check reads it whole.
    void testAPartlyReadFileIsSaidOverItsRows() {
        const std::filesystem::path mount = program_->folder / "mount";
        std::filesystem::create_directory(mount);
        WriteFile(program_->folder / "draws", drawchk::SampleDraws(1, 10113));
        QProcess server;
        server.start(DRAWCHK_SYSTEM_PYTHON,
                     {DRAWCHK_FAILING_FILE_SYSTEM,
                      QString::fromStdString((program_->folder / "draws").string()),
                      QString::fromStdString(mount.string()), QString::number(6 * 65536 + 32)});
        QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(mount / "keno.old"), 10000);
        auto form = Open("");
        std::filesystem::remove(program_->folder / "keno.old");
        std::filesystem::create_symlink(mount / "keno.old", program_->folder / "keno.old");
        QListView* list = List(*form);
        QTest::mouseClick(Button(*form, "Command3D2"), Qt::LeftButton);
        const int rows = list->model()->rowCount();
        const QImage band = list->grab(QRect(0, 0, list->width(), 30)).toImage();
        // The rows start below the band, so none is ever under it.
        const int rows_top = list->viewport()->y() - list->frameWidth();
        QProcess::execute("umount", {QString::fromStdString(mount.string())});
        server.waitForFinished();
        QVERIFY(rows > 1000 && rows < 5113);
        QVERIFY(list->selectionModel()->isRowSelected(rows - 1, {}));
        QCOMPARE(list->accessibleDescription(),
                 QString("A keno.old nem olvasható végig; próbálja meg később újra."));
        QVERIFY(CountPixels(band, QColor(100, 100, 100)) > 20);
        QVERIFY(rows_top >= 2 * static_cast<DrawListView*>(list)->RowHeight());

        std::filesystem::remove(program_->folder / "keno.old");
        WriteFile(program_->folder / "keno.old", drawchk::SampleDraws(1, 5001));
        today_ = std::chrono::year{2011} / 8 / 26;
        QTest::mouseClick(Button(*form, "Command3D2"), Qt::LeftButton);
        QCOMPARE(list->accessibleDescription(), QString());
        // Focused, the row's selection is the theme's, in which no grey of the hint's stands.
        list->setFocus();
        QCOMPARE(CountPixels(list->viewport()->grab().toImage(), QColor(100, 100, 100)), 0);
    }

    // A line is missing before draw 5011: from there on every row is marked, in dark red and
    // with a square at its right end, and a screen reader hears that its date is wrong. The
    // band over the rows says what is missing, in batch mode's words, and leaves rows in view.
    void testRowsOutOfPlaceAreMarked() {
        auto form = Open(drawchk::SampleDraws(1, 5009) + drawchk::SampleDraws(5011, 5020));
        QListView* list = List(*form);
        QTest::mouseClick(Button(*form, "Command3D2"), Qt::LeftButton);
        QCOMPARE(list->accessibleDescription(),
                 QString("A keno.old-ból hiányzik az 5010. húzás: pótolja."));
        const int top = TopRow(list);
        QVERIFY2(top > 4 && top < 9, qPrintable(QString::number(top)));
        const QImage shot = list->viewport()->grab().toImage();
        const QColor mark(200, 0, 0);
        for (int row = top; row < 19; ++row) {
            const QRect place = list->visualRect(list->model()->index(row, 0));
            const QPoint mark_centre(place.right() - 5, place.center().y());
            // The selection without the focus is in the button colours.
            const QColor want = row == 18  ? list->palette().color(QPalette::ButtonText)
                                : row >= 9 ? mark
                                           : list->palette().color(QPalette::Base);
            QCOMPARE(shot.pixelColor(mark_centre * shot.devicePixelRatio()), want);
            // The text of a marked row, not selected, is dark red too.
            const QImage text =
                shot.copy(QRect(place.left(), place.top(), place.width() / 2, place.height()));
            QCOMPARE(CountPixels(text, mark) > 0, row >= 9 && row != 18);
        }
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list);
        QCOMPARE(table->text(QAccessible::Name), QString("Húzások"));
        QAccessibleInterface* marked = table->tableInterface()->cellAt(9, 0);
        QCOMPARE(marked->text(QAccessible::Name), QString("5011   2011-09-03  Szo, rossz dátum"));
        QCOMPARE(table->tableInterface()->cellAt(8, 0)->text(QAccessible::Name),
                 QString("5009   2011-09-02  P"));
    }

    // After a check the keyboard starts from the newest row; Home and End go to the ends.
    void testNewestRowIsCurrentAndHomeAndEndGoToTheEnds() {
        auto form = Open(drawchk::SampleDraws(1, 5040));
        QListView* list = List(*form);
        QTest::mouseClick(Button(*form, "Command3D2"), Qt::LeftButton);
        QVERIFY(list->selectionModel()->isRowSelected(39, {}));
        QCOMPARE(BottomRow(list), 39);
        QTest::keyClick(Button(*form, "Command3D2"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), list);
        QCOMPARE(list->currentIndex().row(), 39);
        const std::pair<Qt::Key, int> keys[] = {
            {Qt::Key_Up, 38}, {Qt::Key_Home, 0}, {Qt::Key_Down, 1}, {Qt::Key_End, 39}};
        for (const auto& [key, row] : keys) {
            QTest::keyClick(list, key);
            QCOMPARE(list->currentIndex().row(), row);
            QVERIFY(list->selectionModel()->isRowSelected(row, {}));
        }
        QCOMPARE(BottomRow(list), 39);
    }

    // On a dark theme the list turns dark; marks and hints still read at 4.5:1 against it, and
    // the captions at 3:1 against their buttons' face.
    void testMarksHintsAndCaptionsReadOnADarkTheme() {
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
        QApplication::setPalette(dark);
        auto form = Open(drawchk::SampleDraws(1, 5009) + drawchk::SampleDraws(5011, 5020));
        QListView* list = List(*form);
        QTest::mouseClick(Button(*form, "Command3D2"), Qt::LeftButton);
        const auto reads = [base = FromQColor(list->palette().color(QPalette::Base))](
                               const QColor& colour, double least) {
            return ContrastRatio(FromQColor(colour), base) >= least;
        };
        // The square of row 12, marked and not selected.
        const QRect row = list->visualRect(list->model()->index(12, 0));
        const QColor mark = list->viewport()->grab(row).toImage().pixelColor(
            QPoint(row.width() - 6, row.height() / 2) * list->devicePixelRatio());
        QVERIFY(mark != Qt::white && reads(mark, 4.5));
        for (const char* name : {"Command3D2", "Command3D3"}) {
            QPushButton* button = Button(*form, name);
            const QImage face = button->grab().toImage();
            const QColor beside_caption = face.pixelColor(face.width() / 8, face.height() / 2);
            QVERIFY(ContrastRatio(FromQColor(button->palette().color(QPalette::ButtonText)),
                                  FromQColor(beside_caption)) >= 3.0);
        }
        std::filesystem::remove(program_->folder / "keno.old");
        QTest::mouseClick(Button(*form, "Command3D2"), Qt::LeftButton);
        const QColor hint = static_cast<DrawListView*>(list)->ChosenColours().hint;
        const int hint_pixels = CountPixels(list->viewport()->grab().toImage(), hint);
        QApplication::setPalette(light);
        QVERIFY(hint_pixels > 20 && reads(hint, 4.5));
    }

    // A screen reader hears a row focused only once the focus is in the list, and the list's
    // children are its rows, with no header objects among them.
    void testScreenReaderHearsRowsOnlyWhereTheFocusIs() {
        auto form = Open(drawchk::SampleDraws(1, 5029));
        QListView* list = List(*form);
        static std::vector<std::pair<QObject*, int>> focus_events;
        focus_events.clear();
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->type() == QAccessible::Focus) {
                focus_events.emplace_back(event->object(), event->child());
            }
        });
        // What a screen reader's arrival does: Qt reports events only while one listens.
        QPlatformAccessibility* bridge =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(bridge != nullptr);
        bridge->setActive(true);
        QPushButton* check = Button(*form, "Command3D2");
        QTest::mouseClick(check, Qt::LeftButton);
        QTest::mouseClick(check, Qt::LeftButton);
        for (const auto& [object, child] : focus_events) QCOMPARE(object, check);
        // The button has the focus, so no row reports it.
        QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(list);
        QVERIFY(!tree->child(28)->state().focused);
        // Tab into the list: the last focus heard is its newest row; Up: the one before it.
        using Event = std::pair<QObject*, int>;
        QTest::keyClick(check, Qt::Key_Tab);
        QCoreApplication::processEvents();
        const Event after_tab = focus_events.back();
        QTest::keyClick(list, Qt::Key_Up);
        QAccessible::installUpdateHandler(nullptr);
        bridge->setActive(false);
        QCOMPARE(after_tab, Event(list, 28));
        QCOMPARE(focus_events.back(), Event(list, 27));

        QCOMPARE(tree->childCount(), 29);
        QCOMPARE(tree->child(0)->text(QAccessible::Name), QString("5001   2011-08-25  Cs"));
        QCOMPARE(tree->child(28)->text(QAccessible::Name), QString("5029   2011-09-22  Cs"));
    }

    // The current row of the focused list has a frame in the rows' text colour.
    void testFocusedListFramesItsCurrentRow() {
        auto form = Open(drawchk::SampleDraws(1, 5005));
        QListView* list = List(*form);
        QTest::mouseClick(Button(*form, "Command3D2"), Qt::LeftButton);
        const QRect current = list->visualRect(list->currentIndex());
        const QColor frame = list->palette().color(QPalette::HighlightedText);
        // Pixels of the frame's colour down the row's left edge.
        const auto framed = [&] {
            return CountPixels(list->viewport()->grab(current).toImage().copy(0, 0, 1, 99), frame);
        };
        QCOMPARE(framed(), 0);
        QTest::keyClick(Button(*form, "Command3D2"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), list);
        QVERIFY(framed() >= current.height() / 3);
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
