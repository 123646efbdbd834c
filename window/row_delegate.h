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
    // The row's options for the style to paint it with, and the colour of its text.
    QStyleOptionViewItem RowOption(const QStyleOptionViewItem& option, bool out_of_place,
                                   QColor& colour) const;

    const DrawListView* list_;
};
