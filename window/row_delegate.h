#pragma once

#include <QStyledItemDelegate>

#include "draw_list_view.h"

// Paints a row whose date cannot be right in the mark colour with a small square at its right
// end, a cue that does not rest on the colour alone, and the current row of a focused list
// with a dotted frame.
class OutOfPlaceMarkDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    explicit OutOfPlaceMarkDelegate(DrawListView* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    const DrawListView* list_;
};
