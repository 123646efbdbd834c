#pragma once

#include <QWidget>
#include <filesystem>
#include <optional>

#include "draw_calendar.h"
#include "row_list.h"

class DrawListView;
class QPushButton;
class RowListModel;

// The program's window: the list of dated draws and the two buttons under it.
class Form1 : public QWidget {
    Q_OBJECT

  public:
    // Where `program_folder` is not known, the list says so instead of checking.
    explicit Form1(std::optional<std::filesystem::path> program_folder, QWidget* parent = nullptr);

  public slots:
    // "Ellenőrzés": runs the check into the list and rewrites the result file.
    void Command3D2_Click();
    // "Vége": ends the program.
    void Command3D3_Click();

  private:
    // Sets the window up before it is first shown.
    void Form_Load();
    void LayOutControls(int row_height);

    std::optional<std::filesystem::path> program_folder_;
    drawchk::WeekdayLabels DayLabels;
    drawchk::RowList rows_;
    RowListModel* model_ = nullptr;
    DrawListView* List1 = nullptr;
    QPushButton* Command3D2 = nullptr;
    QPushButton* Command3D3 = nullptr;
};
