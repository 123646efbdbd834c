#include "draw_list_view.h"

#include <QAccessible>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "list_colours.h"
#include "qt_design.h"

namespace {

namespace design = drawchk::design;

constexpr int kHintFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

}  // namespace

DrawListView::DrawListView(QWidget* parent) : QListView(parent) {
    setUniformItemSizes(true);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
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
    // The rows start below the band, so every one of them can be scrolled into view. A new
    // margin lays the view out again, which a refresh with the same band need not pay for.
    if (viewportMargins().top() != band_height_) setViewportMargins(0, band_height_, 0, 0);
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
        // Words taller than the band begin at its top, and what does not fit is cut.
        place.moveTop(band.top() + std::max(0, (band_height_ - place.height()) / 2));
        painter.setClipRect(band);
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
        const design::ListColours chosen =
            design::ChooseListColours(FromQColor(base), FromQColor(text));
        colours_ = {ToQColor(chosen.mark), ToQColor(chosen.hint), chosen.underline_marks};
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

void DrawListView::MakeCurrent(const QModelIndex& index) {
    if (hasFocus()) {
        setCurrentIndex(index);
        return;
    }
    kept_current_ = index;
    selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

int DrawListView::CurrentRow() const {
    return currentIndex().isValid() ? currentIndex().row() : kept_current_.row();
}

void DrawListView::focusInEvent(QFocusEvent* event) {
    // The row kept while the focus was elsewhere is current again before the view would
    // choose the first one.
    if (kept_current_.isValid() && !currentIndex().isValid()) {
        selectionModel()->setCurrentIndex(kept_current_, QItemSelectionModel::NoUpdate);
    }
    kept_current_ = QPersistentModelIndex();
    QListView::focusInEvent(event);
    // Moving into the list, the user hears the row the keyboard starts from, after the list
    // itself, which is told of once this returns.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!hasFocus() || !QAccessible::isActive() || !currentIndex().isValid()) return;
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(currentIndex().row());
            QAccessible::updateAccessibility(&focus);
        },
        Qt::QueuedConnection);
}

void DrawListView::focusOutEvent(QFocusEvent* event) {
    // Without the focus no row is current, so none reports itself focused; the selection
    // stays, and the row comes back with the focus.
    if (currentIndex().isValid()) {
        kept_current_ = currentIndex();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    QListView::focusOutEvent(event);
}

void DrawListView::paintEvent(QPaintEvent* event) {
    QListView::paintEvent(event);
    const bool empty = model() == nullptr || model()->rowCount() == 0;
    if (!empty) return;
    QPainter painter(viewport());
    // With no row to frame, the focused list frames itself, inside the hint's margin.
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
        painter.drawRect(viewport()->rect().adjusted(1, 1, -2, -2));
    }
    if (hint_.isEmpty()) return;
    // An empty list says why it is empty, inside it.
    const int margin = design::kHintMarginAt96Dpi;
    painter.setPen(ChosenColours().hint);
    painter.drawText(viewport()->rect().adjusted(margin, margin, -margin, -margin), kHintFlags,
                     hint_);
}
