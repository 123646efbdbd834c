#include "form1.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QIcon>
#include <QPushButton>
#include <QTableView>
#include <utility>

#include "row_list_model.h"
#include "run_check.h"
#include "start_up.h"

namespace {

// Sizes in pixels at 96 dpi.
constexpr int kClientWidth = 203;
constexpr int kListLeft = 17;
constexpr int kListTop = 14;
constexpr int kListWidth = 169;
constexpr int kGap = 11;
constexpr int kButtonLeft = 48;
constexpr int kButtonWidth = 107;
constexpr int kButtonHeight = 29;
constexpr int kBottomMargin = 13;

QFont WindowFont() {
    QFont font;
    // The font the window was drawn for, then the closest ones found on other systems.
    font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo", "Arial",
                      "Helvetica", "DejaVu Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Bold);
    return font;
}

QPushButton* MakeButton(const QString& name, const QString& caption, const QColor& colour,
                        QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, colour);
    button->setPalette(palette);
    // Enter clicks a focused button, as Space does.
    button->setAutoDefault(true);
    return button;
}

}  // namespace

Form1::Form1(std::optional<std::filesystem::path> program_folder, QWidget* parent)
    : QWidget(parent), program_folder_(std::move(program_folder)) {
    setObjectName("Form1");
    setWindowTitle("Drawchk.");
    // The icon lives in this static library, whose resources the linker may otherwise drop.
    Q_INIT_RESOURCE(drawchk);
    setWindowIcon(QIcon(":/drawchk.svg"));
    setFont(WindowFont());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(palette);
    setAutoFillBackground(true);

    const int row_height = QFontMetrics(font()).height();
    model_ = new RowListModel(rows_, this);
    // A one-column table without headers or grid: unlike a list view it lays out its rows in
    // constant time, so a full list of 32767 rows refreshes as fast as a short one.
    List1 = new QTableView(this);
    List1->setObjectName("List1");
    List1->setModel(model_);
    List1->horizontalHeader()->hide();
    List1->horizontalHeader()->setStretchLastSection(true);
    List1->verticalHeader()->hide();
    List1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    List1->verticalHeader()->setMinimumSectionSize(1);
    List1->verticalHeader()->setDefaultSectionSize(row_height);
    List1->setShowGrid(false);
    List1->setWordWrap(false);
    List1->setTabKeyNavigation(false);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setSelectionBehavior(QAbstractItemView::SelectRows);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A list box's sunken 3-D border, two pixels wide.
    List1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    // A horizontal bar would hide the fifteenth row that the check scrolls to.
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    List1->setPalette(QPalette());  // The list keeps the system's window colours.

    Command3D2 = MakeButton("Command3D2", "Ellenőrzés", QColor(0, 128, 0), this);
    Command3D3 = MakeButton("Command3D3", "Vége", QColor(255, 0, 0), this);
    connect(Command3D2, &QPushButton::clicked, this, &Form1::Command3D2_Click);
    connect(Command3D3, &QPushButton::clicked, this, &Form1::Command3D3_Click);
    setTabOrder(Command3D2, List1);
    setTabOrder(List1, Command3D3);

    LayOutControls(row_height);
    Form_Load();
}

void Form1::LayOutControls(int row_height) {
    // Fifteen whole rows whatever the font; the buttons and the window follow the list.
    const int list_height = drawchk::kVisibleRows * row_height + 2 * List1->frameWidth();
    List1->setGeometry(kListLeft, kListTop, kListWidth, list_height);
    const int check_top = kListTop + list_height + kGap;
    const int end_top = check_top + kButtonHeight + kGap;
    Command3D2->setGeometry(kButtonLeft, check_top, kButtonWidth, kButtonHeight);
    Command3D3->setGeometry(kButtonLeft, end_top, kButtonWidth, kButtonHeight);
    setFixedSize(kClientWidth, end_top + kButtonHeight + kBottomMargin);
}

void Form1::Form_Load() {
    // Set before the first show, so the window manager puts the window on top from the start.
    // The size is fixed, so there is nothing to maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    DayLabels = drawchk::kHungarianDayLabels;
    Command3D2->setFocus();
    if (!program_folder_) Command3D2_Click();
}

void Form1::Command3D2_Click() {
    // The window shows no failure: an empty list or a stale result file is the sign of one.
    model_->Refill([this] { drawchk::RunWindowCheck(program_folder_, rows_, DayLabels); });
    if (rows_.Count() == 0) return;
    // The view would lay out its new rows later; the scroll range must be right now.
    List1->doItemsLayout();
    List1->scrollTo(model_->index(rows_.FirstVisible(), 0), QAbstractItemView::PositionAtTop);
}

void Form1::Command3D3_Click() { QCoreApplication::exit(0); }
