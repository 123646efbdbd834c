#include "form1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QIcon>
#include <QPushButton>
#include <QScrollBar>

#include "check_triggers.h"
#include "draw_list_view.h"
#include "qt_design.h"
#include "row_delegate.h"
#include "row_list_model.h"

namespace {

namespace design = drawchk::design;

// Qt sizes are in pixels at 96 dpi, which Qt scales to the screen.
constexpr int Pixels(int twips) { return design::TwipsToPixels(twips, design::kDesignDpi); }

constexpr int kClientWidth = Pixels(design::kClientArea.width);
constexpr int kListLeft = Pixels(design::kList1.left);
constexpr int kListTop = Pixels(design::kList1.top);
constexpr int kListWidth = Pixels(design::kList1.width);
constexpr int kGap = Pixels(design::kCommand3D2.top - design::kList1.bottom());
constexpr int kButtonPitch = Pixels(design::kCommand3D3.top - design::kCommand3D2.top);
constexpr int kButtonLeft = Pixels(design::kCommand3D2.left);
constexpr int kButtonWidth = Pixels(design::kCommand3D2.width);
constexpr int kButtonHeight = Pixels(design::kCommand3D2.height);
constexpr int kBottomMargin = Pixels(design::kClientArea.height - design::kCommand3D3.bottom());

QFont WindowFont() {
    QFont font;
    // The font the window was drawn for, then the closest ones found on other systems.
    font.setFamilies({ToQString(design::kFontName), "Microsoft Sans Serif", "Liberation Sans",
                      "Arimo", "Arial", "Helvetica", "DejaVu Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(design::kFontHundredthsOfAPoint / 100.0);
    font.setWeight(QFont::Bold);
    return font;
}

QPushButton* MakeButton(const QString& name, std::string_view caption, design::Colour colour,
                        QWidget* parent) {
    auto* button = new QPushButton(ToQString(caption), parent);
    button->setObjectName(name);
    // The face and its bevels in the window's own grey, whatever the theme, so the designed
    // captions keep their contrast; a dark theme's face would swallow them.
    QPalette palette(ToQColor(design::kBackground));
    palette.setColor(QPalette::ButtonText, ToQColor(colour));
    // The focus cue is drawn for that face too, not in the theme's colour for its own.
    palette.setColor(QPalette::Highlight, ToQColor(design::kFocusColour));
    button->setPalette(palette);
    // Enter clicks a focused button, as Space does.
    button->setAutoDefault(true);
    return button;
}

}  // namespace

Form1::Form1(const DrawchkCheckServices& check, QWidget* parent) : QWidget(parent), check_(check) {
    setObjectName("Form1");
    setWindowTitle(ToQString(design::kTitle));
    QIcon icon;
    for (const QString& image : QDir(":/icon").entryList()) icon.addFile(":/icon/" + image);
    setWindowIcon(icon);
    setFont(WindowFont());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(design::kBackground));
    setPalette(palette);
    setAutoFillBackground(true);

    const int row_height = QFontMetrics(font()).height();
    MakeList(row_height);
    Command3D2 = MakeButton("Command3D2", design::kCheckCaption, design::kCheckCaptionColour, this);
    Command3D3 = MakeButton("Command3D3", design::kEndCaption, design::kEndCaptionColour, this);
    connect(Command3D2, &QPushButton::clicked, this, &Form1::Command3D2_Click);
    connect(Command3D3, &QPushButton::clicked, this, &Form1::Command3D3_Click);
    setTabOrder(Command3D2, List1);
    setTabOrder(List1, Command3D3);

    LayOutControls(row_height);
    Form_Load();
}

void Form1::MakeList(int row_height) {
    model_ = new RowListModel(check_, this);
    List1 = new DrawListView(this);
    List1->setObjectName("List1");
    List1->setModel(model_);
    List1->setItemDelegate(new OutOfPlaceMarkDelegate(List1));
    List1->SetRowHeight(row_height);
    // A list box's sunken 3-D border, two pixels wide.
    List1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    // A horizontal bar would hide the fifteenth row that the check scrolls to.
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    List1->setPalette(QPalette());  // The list keeps the system's window colours.
}

void Form1::LayOutControls(int row_height) {
    // Fifteen whole rows whatever the font; the buttons and the window follow the list.
    const int list_height = design::kListRows * row_height + 2 * List1->frameWidth();
    List1->setGeometry(kListLeft, kListTop, kListWidth, list_height);
    const int check_top = kListTop + list_height + kGap;
    const int end_top = check_top + kButtonPitch;
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
    Command3D2->setFocus();
    if (check_.ProgramFolder().isEmpty()) {
        Command3D2_Click();
        return;
    }
    triggers_ = new CheckTriggers(check_, this);
    connect(triggers_, &CheckTriggers::Due, this, [this] { Check(true); });
}

void Form1::Command3D2_Click() { Check(false); }

int Form1::MovedToRow() const {
    // The window's focus widget stays when another window is active, as when keno.old is
    // saved in another program.
    const int current = List1->CurrentRow();
    return focusWidget() == List1 && current != model_->rowCount() - 1 ? current : -1;
}

void Form1::Check(bool automatic) {
    const int kept_row = automatic ? MovedToRow() : -1;
    // A check that holds its answer back leaves the rows as they were, but the model is reset
    // all the same: the row and the scroll position the user had are put back.
    const int current_row = List1->CurrentRow();
    const int scrolled = List1->verticalScrollBar()->value();
    // A failure shows as an empty list with a hint saying why, or as rows that are marked.
    bool answered = true;
    model_->Refill([&] { answered = check_.Run(automatic); });
    if (triggers_ != nullptr) answered ? triggers_->Checked() : triggers_->HeldBack();
    if (answered) {
        List1->SetHint(check_.Hint());
        ShowRows(kept_row);
        return;
    }
    List1->doItemsLayout();
    if (current_row >= 0) List1->MakeCurrent(model_->index(current_row, 0));
    List1->verticalScrollBar()->setValue(scrolled);
}

void Form1::ShowRows(int kept_row) {
    const int rows = model_->rowCount();
    if (rows == 0) return;
    // The view would lay out its new rows later; the scroll range must be right now.
    List1->doItemsLayout();
    if (kept_row >= 0 && kept_row < rows) {
        List1->MakeCurrent(model_->index(kept_row, 0));
        List1->scrollTo(model_->index(kept_row, 0));
        return;
    }
    List1->scrollTo(model_->index(check_.FirstVisibleRow(), 0), QAbstractItemView::PositionAtTop);
    // The newest row is the current one, so the keyboard starts where the answer is. Under a
    // band fewer rows show, and making it current scrolls it into view.
    List1->MakeCurrent(model_->index(rows - 1, 0));
}

void Form1::Command3D3_Click() { QCoreApplication::exit(0); }
