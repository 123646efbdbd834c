#include "row_list_model.h"

#include <algorithm>
#include <string>

#include "qt_design.h"

RowListModel::RowListModel(const drawchk::RowList& rows, QObject* parent)
    : QAbstractTableModel(parent),
      rows_(rows),
      decoder_(("windows-" + std::to_string(drawchk::design::kRowCodePage)).c_str()) {}

int RowListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_.Count();
}

int RowListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 1; }

QVariant RowListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole:
            break;
        case kOutOfPlaceRole:
            return rows_.OutOfPlace(index.row());
        case Qt::AccessibleDescriptionRole:
            if (!rows_.OutOfPlace(index.row())) return {};
            return ToQString(drawchk::design::kOutOfPlaceWord);
        default:
            return {};
    }
    const std::string_view text = rows_.Text(index.row());
    const QByteArrayView bytes(text.data(), static_cast<qsizetype>(text.size()));
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii || !decoder_.isValid()) return QString::fromLatin1(bytes);
    return QString(decoder_.decode(bytes));
}
