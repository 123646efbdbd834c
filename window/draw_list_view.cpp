#include "draw_list_view.h"

#include <QAccessible>
#include <QPainter>
#include <QScrollBar>

#include "qt_design.h"
#include "row_list_model.h"

namespace {

namespace design = drawchk::design;

DrawchkColour ToC(const QColor& colour) {
    return {static_cast<unsigned char>(colour.red()), static_cast<unsigned char>(colour.green()),
            static_cast<unsigned char>(colour.blue())};
}

QColor FromC(DrawchkColour colour) { return {colour.red, colour.green, colour.blue}; }

constexpr int kHintFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

}  // namespace

DrawListView::DrawListView(const DrawchkCheckServices& services, QWidget* parent)
    : QListView(parent), services_(services) {
    setUniformItemSizes(true);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new OutOfPlaceMarkDelegate(this));
    setAccessibleName(ToQString(design::kListName));
}

void DrawListView::SetRowHeight(int row_height) {
    row_height_ = row_height;
    scheduleDelayedItemsLayout();
}

void DrawListView::SetHint(const QString& hint) {
    hint_ = hint;
    // A screen reader hears the words as the list's description.
    setAccessibleDescription(hint);
    const bool has_rows = model() != nullptr && model()->rowCount() > 0;
    band_height_ = 0;
    if (has_rows && !hint.isEmpty()) {
        // Measured as if the scroll bar showed, so the words fit whether it does or not.
        const int width = contentsRect().width() - verticalScrollBar()->sizeHint().width();
        band_height_ = design::BandHeight(BandTextPlace(width).height(), design::kHintMarginAt96Dpi,
                                          row_height_);
    }
    // The rows start below the band, so every one of them can be scrolled into view.
    setViewportMargins(0, band_height_, 0, 0);
    update();
    viewport()->update();
}

QRect DrawListView::BandTextPlace(int width) const {
    // Qt sizes are in pixels at 96 dpi, which Qt scales to the screen.
    const int margin = design::kHintMarginAt96Dpi;
    const QRect room(0, 0, width - 2 * margin, 1 << 16);
    const QRect text = fontMetrics().boundingRect(room, kHintFlags, hint_);
    return {margin, 0, room.width(), text.height()};
}

bool DrawListView::event(QEvent* event) {
    const bool handled = QListView::event(event);
    // The band lies between the frame and the rows, outside the part that scrolls.
    if (event->type() == QEvent::Paint && band_height_ > 0) {
        QPainter painter(this);
        // Beside the scroll bar, which runs the list's whole height.
        const QRect band(viewport()->x(), contentsRect().top(), viewport()->width(), band_height_);
        QRect place = BandTextPlace(band.width()).translated(band.topLeft());
        place.moveTop(band.top() + (band_height_ - place.height()) / 2);
        painter.fillRect(band, palette().color(QPalette::Base));
        painter.fillRect(QRect(band.left(), band.bottom(), band.width(), 1), ChosenColours().hint);
        painter.setPen(ChosenColours().hint);
        painter.drawText(place, kHintFlags, hint_);
    }
    return handled;
}

const DrawListView::Colours& DrawListView::ChosenColours() const {
    // Chosen again only when the theme changes the list's colours, not for every row painted.
    const QColor base = palette().color(QPalette::Base);
    const QColor text = palette().color(QPalette::Text);
    if (!colours_base_.isValid() || base != colours_base_ || text != colours_text_) {
        DrawchkColour mark{};
        DrawchkColour hint{};
        services_.choose_list_colours(ToC(base), ToC(text), &mark, &hint);
        colours_ = {FromC(mark), FromC(hint)};
        colours_base_ = base;
        colours_text_ = text;
    }
    return colours_;
}

void DrawListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // A check makes the newest row current while the focus is on a button; a screen reader
    // must not hear a focused row there.
    if (hasFocus()) {
        QListView::currentChanged(current, previous);
    } else {
        // NOLINTNEXTLINE(bugprone-parent-virtual-call): the list view's own reports focus.
        QAbstractItemView::currentChanged(current, previous);
    }
}

void DrawListView::focusInEvent(QFocusEvent* event) {
    QListView::focusInEvent(event);
    // Moving into the list, the user hears the row the keyboard starts from.
    if (QAccessible::isActive() && currentIndex().isValid()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(currentIndex().row());
        QAccessible::updateAccessibility(&focus);
    }
}

void DrawListView::paintEvent(QPaintEvent* event) {
    QListView::paintEvent(event);
    if (hint_.isEmpty() || band_height_ > 0) return;
    // An empty list says why it is empty, inside it.
    QPainter painter(viewport());
    const int margin = design::kHintMarginAt96Dpi;
    painter.setPen(ChosenColours().hint);
    painter.drawText(viewport()->rect().adjusted(margin, margin, -margin, -margin), kHintFlags,
                     hint_);
}

void OutOfPlaceMarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    const bool out_of_place = index.data(RowListModel::kOutOfPlaceRole).toBool();
    // A selected row keeps the system's selected colours, the mark included.
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QColor colour = selected       ? option.palette.color(QPalette::HighlightedText)
                          : out_of_place ? list_->ChosenColours().mark
                                         : option.palette.color(QPalette::Text);
    QStyleOptionViewItem row = option;
    row.palette.setColor(QPalette::Text, colour);
    // The frame below is the one focus cue, whatever the style draws.
    row.state.setFlag(QStyle::State_HasFocus, false);
    QStyledItemDelegate::paint(painter, row, index);
    const QRect& place = option.rect;
    if (out_of_place) {
        using design::kMarkInsetAt96Dpi;
        using design::kMarkPixelsAt96Dpi;
        const QRect mark(place.right() - kMarkInsetAt96Dpi - kMarkPixelsAt96Dpi + 1,
                         place.center().y() - kMarkPixelsAt96Dpi / 2, kMarkPixelsAt96Dpi,
                         kMarkPixelsAt96Dpi);
        painter->fillRect(mark, colour);
    }
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        painter->save();
        painter->setPen(QPen(colour, 1, Qt::DotLine));
        painter->drawRect(place.adjusted(0, 0, -1, -1));
        painter->restore();
    }
}

QSize OutOfPlaceMarkDelegate::sizeHint(const QStyleOptionViewItem& /*option*/,
                                       const QModelIndex& /*index*/) const {
    // The view stretches each row to its own width, with or without the scroll bar.
    return {1, list_->RowHeight()};
}
