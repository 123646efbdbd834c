#pragma once

#include <QAbstractTableModel>
#include <QStringDecoder>
#include <utility>

#include "row_list.h"

// Shows the check's row list in a view without copying it: one row of text per row, in
// a single column. A row whose date cannot be right says so to a screen reader in its
// description, and answers true for kOutOfPlaceRole, which the view paints as a mark.
class RowListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    static constexpr int kOutOfPlaceRole = Qt::UserRole;

    explicit RowListModel(const drawchk::RowList& rows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Runs `refill`, which refills the row list, as one reset of the model.
    template <typename Function>
    void Refill(Function&& refill) {
        beginResetModel();
        std::forward<Function>(refill)();
        endResetModel();
    }

  private:
    const drawchk::RowList& rows_;
    mutable QStringDecoder decoder_;
};
