#include "row_delegate.h"

#include <QPainter>

#include "draw_list_view.h"
#include "row_list_model.h"
#include "window_design.h"

namespace design = drawchk::design;

void OutOfPlaceMarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    const bool out_of_place = index.data(RowListModel::kOutOfPlaceRole).toBool();
    QColor colour;
    const QStyleOptionViewItem row = RowOption(option, out_of_place, colour);
    QStyledItemDelegate::paint(painter, row, index);
    const QRect& place = option.rect;
    if (out_of_place) {
        // A second cue beside the colour, for those who cannot tell the mark's red apart.
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

QStyleOptionViewItem OutOfPlaceMarkDelegate::RowOption(const QStyleOptionViewItem& option,
                                                       bool out_of_place, QColor& colour) const {
    QStyleOptionViewItem row = option;
    // Without the focus the selection takes the quieter button colours, as the system's own
    // lists do, so the eye sees where the focus is.
    if (!list_->hasFocus()) {
        row.palette.setColor(QPalette::Highlight, option.palette.color(QPalette::Button));
        row.palette.setColor(QPalette::HighlightedText, option.palette.color(QPalette::ButtonText));
    }
    // A selected row keeps the selected colours, the mark included.
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    colour = selected       ? row.palette.color(QPalette::HighlightedText)
             : out_of_place ? list_->ChosenColours().mark
                            : option.palette.color(QPalette::Text);
    row.palette.setColor(QPalette::Text, colour);
    // Where the mark's colour is too close to the text's, a cue that is no colour.
    if (out_of_place && list_->ChosenColours().underline_marks) row.font.setUnderline(true);
    // The frame painted after it is the one focus cue, whatever the style draws.
    row.state.setFlag(QStyle::State_HasFocus, false);
    return row;
}

QSize OutOfPlaceMarkDelegate::sizeHint(const QStyleOptionViewItem& /*option*/,
                                       const QModelIndex& /*index*/) const {
    // The view stretches each row to its own width, with or without the scroll bar.
    return {1, list_->RowHeight()};
}
