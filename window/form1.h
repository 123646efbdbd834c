#pragma once

#include <QWidget>

#include "window_module.h"

class DrawListView;
class QPushButton;
class RowListModel;

// The program's window: the list of dated draws and the two buttons under it, over the check
// the program hands it.
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
    void LayOutControls(int row_height);

    const DrawchkCheckServices& check_;
    RowListModel* model_ = nullptr;
    DrawListView* List1 = nullptr;
    QPushButton* Command3D2 = nullptr;
    QPushButton* Command3D3 = nullptr;
};
