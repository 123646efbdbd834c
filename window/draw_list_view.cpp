#include "draw_list_view.h"

#include <QHeaderView>
#include <QPainter>

#include "qt_design.h"
#include "row_list_model.h"

DrawListView::DrawListView(QWidget* parent) : QTableView(parent) {
    horizontalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new OutOfPlaceMarkDelegate(this));
    setAccessibleName(ToQString(drawchk::design::kListName));
}

void DrawListView::SetHint(const QString& hint) {
    hint_ = hint;
    // A screen reader hears the hint as the list's description.
    setAccessibleDescription(hint);
    viewport()->update();
}

QModelIndex DrawListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    // In a table Home and End stay in the row; in this list they go to its ends.
    const int rows = model() != nullptr ? model()->rowCount() : 0;
    if (rows > 0 && action == MoveHome) return model()->index(0, 0);
    if (rows > 0 && action == MoveEnd) return model()->index(rows - 1, 0);
    return QTableView::moveCursor(action, modifiers);
}

void DrawListView::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    if (hint_.isEmpty() || (model() != nullptr && model()->rowCount() > 0)) return;
    QPainter painter(viewport());
    painter.setPen(ToQColor(drawchk::design::kHintColour));
    const int margin = fontMetrics().averageCharWidth();
    painter.drawText(viewport()->rect().adjusted(margin, margin, -margin, -margin),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, hint_);
}

void OutOfPlaceMarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (!index.data(RowListModel::kOutOfPlaceRole).toBool()) return;
    using drawchk::design::kMarkInsetAt96Dpi;
    using drawchk::design::kMarkPixelsAt96Dpi;
    const QRect& row = option.rect;
    const QRect mark(row.right() - kMarkInsetAt96Dpi - kMarkPixelsAt96Dpi + 1,
                     row.center().y() - kMarkPixelsAt96Dpi / 2, kMarkPixelsAt96Dpi,
                     kMarkPixelsAt96Dpi);
    // On a selected row the mark takes the selected text's colour, so both stay readable.
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->fillRect(mark, selected ? option.palette.color(QPalette::HighlightedText)
                                     : ToQColor(drawchk::design::kOutOfPlaceColour));
}
