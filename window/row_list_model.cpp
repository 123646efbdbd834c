#include "row_list_model.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "qt_design.h"

RowListModel::RowListModel(const CheckTable& check, QObject* parent)
    : QAbstractListModel(parent), check_(check) {}

int RowListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : check_.RowCount();
}

QVariant RowListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const bool out_of_place = check_.RowOutOfPlace(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return RowText(index.row());
        case kOutOfPlaceRole:
            return out_of_place;
        case Qt::AccessibleTextRole:
            // A screen reader hears whether the date can be right with the row itself.
            if (!out_of_place) return RowText(index.row());
            return RowText(index.row()) + ", " + ToQString(drawchk::design::kOutOfPlaceWord);
        default:
            return {};
    }
}

QString RowListModel::RowText(int row) const {
    const std::string_view text = check_.RowText(row);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
