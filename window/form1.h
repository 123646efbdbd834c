#pragma once

#include <QWidget>

#include "check_table.h"
#include "window_module.h"

class CheckTriggers;
class DrawListView;
class QPushButton;
class RowListModel;

// The program's window: the list of dated draws and the two buttons under it, over the check
// the program hands it. It checks again by itself when the files the check reads change, and
// when a new day begins.
class Form1 : public QWidget {
    Q_OBJECT

  public:
    // `check` must outlive the window.
    explicit Form1(const DrawchkCheckServices& check, QWidget* parent = nullptr);

  public slots:
    // "Ellenőrzés": runs the check into the list and rewrites the result file.
    void Command3D2_Click();
    // "Vége": ends the program.
    void Command3D3_Click();

  private:
    // Sets the window up before it is first shown.
    void Form_Load();
    void MakeList(int row_height);
    void LayOutControls(int row_height);
    // Runs the check into the list. `automatic`: started by a change of the files or of the
    // day, so it takes no focus and keeps a row the user moved to in the list.
    void Check(bool automatic);
    // The row the user moved to in the list, which an automatic check keeps; -1 for none.
    int MovedToRow() const;
    // Shows the rows the check left, `kept_row` current where it is one, else the newest.
    void ShowRows(int kept_row);

    const CheckTable check_;
    RowListModel* model_ = nullptr;
    DrawListView* List1 = nullptr;
    QPushButton* Command3D2 = nullptr;
    QPushButton* Command3D3 = nullptr;
    // None where the program folder is not known.
    CheckTriggers* triggers_ = nullptr;
};
