#pragma once

#include <QAbstractListModel>
#include <utility>

#include "check_table.h"

// Shows the program's rows in a view without copying them: one row of text per row. A row
// whose date cannot be right says so to a screen reader after its text, and answers true for
// kOutOfPlaceRole, which the view paints as a mark.
class RowListModel : public QAbstractListModel {
    Q_OBJECT

  public:
    static constexpr int kOutOfPlaceRole = Qt::UserRole;

    // `check` must outlive the model.
    explicit RowListModel(const CheckTable& check, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Runs `refill`, which refills the rows, as one reset of the model.
    template <typename Function>
    void Refill(Function&& refill) {
        beginResetModel();
        std::forward<Function>(refill)();
        endResetModel();
    }

  private:
    QString RowText(int row) const;

    const CheckTable& check_;
};
