#pragma once

#include <QStyledItemDelegate>
#include <QTableView>

// The list of dated draws: a one-column table without headers or grid, which, unlike a list
// view, lays out its rows in constant time, so a full list of 32767 rows refreshes as fast as
// a short one. Home and End go to the first and last row, and an empty list can say why.
class DrawListView : public QTableView {
    Q_OBJECT

  public:
    explicit DrawListView(QWidget* parent = nullptr);

    // The text painted in grey inside the list while it has no rows; empty for none.
    void SetHint(const QString& hint);
    const QString& hint() const { return hint_; }

  protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QString hint_;
};

// Paints a row whose date cannot be right with a small square at its right end, a cue that
// does not rest on the row's colour alone.
class OutOfPlaceMarkDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
