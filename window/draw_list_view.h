#pragma once

#include <QColor>
#include <QListView>

#include "window_design.h"

// The list of dated draws: a list view of rows of one height, which lays out a full list of
// 32767 rows as fast as a short one. Besides its rows it can say something: in an empty list
// why it is empty; over a list with rows, in a band above them, that they stop short or that
// the newest is not near today. The rows make room for the band, so none is ever under it. A
// screen reader hears the same words as the list's description, and focus events for a row
// only while the list has the focus.
class DrawListView : public QListView {
    Q_OBJECT

  public:
    explicit DrawListView(QWidget* parent = nullptr);

    // The rows' height; the list shows fifteen of them.
    void SetRowHeight(int row_height);
    int RowHeight() const { return row_height_; }
    // The words painted in the list; empty for none. Set after the rows, as they decide where.
    void SetHint(const QString& hint);

    // The mark and hint colours for the list's colours as the theme gives them now, and
    // whether marked rows are underlined too.
    struct Colours {
        QColor mark;
        QColor hint;
        bool underline_marks = false;
    };
    // Makes `index` the current row where the list has the focus; elsewhere selects it and
    // keeps it to make current when the focus comes, so that a screen reader hears one
    // focused object only: the button or the row.
    void MakeCurrent(const QModelIndex& index);
    // The current row, or without the focus the row that is current when the focus comes
    // back; -1 for none.
    int CurrentRow() const;
    const Colours& ChosenColours() const;

  protected:
    bool event(QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // Where the hint's words go in a band `width` wide at the top of the list.
    QRect BandTextPlace(int width) const;

    QString hint_;
    int row_height_ = drawchk::design::kRowPixelsAt96Dpi;
    int band_height_ = 0;  // 0: no band
    // The row to make current when the focus comes back.
    QPersistentModelIndex kept_current_;
    // The colours last chosen, and the list's colours they were chosen for.
    mutable Colours colours_;
    mutable QColor colours_base_;
    mutable QColor colours_text_;
};
