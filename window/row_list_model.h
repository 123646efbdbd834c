#pragma once

#include <QAbstractTableModel>
#include <QStringDecoder>
#include <utility>

#include "row_list.h"

// Shows the check's row list in a view without copying it: one row of text per row, in
// a single column.
class RowListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
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
    // Draw files are written in the Windows-1250 code page.
    mutable QStringDecoder decoder_{"windows-1250"};
};
