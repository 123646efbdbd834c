#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>

#include "change_watch.h"
#include "draw_calendar.h"
#include "draw_list.h"
#include "handles.h"
#include "list_colours.h"
#include "window_check.h"

namespace drawchk::win32 {

// The program's window: the list of dated draws and the two buttons under it.
class Form1 {
  public:
    // Creates the window, still hidden; where `program_folder` is not known, the list says so
    // instead of checking.
    Form1(HINSTANCE instance, std::optional<std::filesystem::path> program_folder);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Shows the window and runs it until it is closed, checking again by itself when the files
    // the check reads change and when a new day begins; returns the program's exit status.
    int Run(int show_command);

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    // The messages about how the window looks: drawing, colours and DPI.
    LRESULT HandleLookMessage(UINT message, WPARAM wparam, LPARAM lparam);

    void OnCreate();
    void OnCommand(int id);
    // The clock was set anew, or the machine woke up: today may be another day.
    void OnNewDayMaybe();
    // The change watch woke the window for a settled change or a new day.
    void OnWoke(ChangeWatch::Woke woke);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnActivate(bool active);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void OnEraseBackground(HDC dc) const;
    // Takes the colours anew from the system's, and under high contrast from them alone.
    void OnColoursChanged();

    // Sets the window up before it is first shown.
    void Form_Load();
    // "Ellenőrzés": runs the check into the list and rewrites the result file.
    void Command3D2_Click();
    // "Vége": ends the program.
    void Command3D3_Click();
    // Runs the check into the list. `automatic`: started by a change of the files or of the
    // day, so it takes no focus and keeps a row the user moved to in the list.
    void Check(bool automatic);
    // The row the user moved to in the list, which an automatic check keeps; -1 for none.
    int MovedToRow() const;

    // Font, controls and row height for `dpi`; the window's own size is the caller's.
    void LayOut(UINT dpi);

    HINSTANCE instance_;
    WindowCheck check_;
    // What wakes the window besides its messages, while it runs.
    std::optional<ChangeWatch> watch_;
    drawchk::WeekdayLabels DayLabels;
    UniqueFont font_;
    bool high_contrast_ = false;
    design::WindowColours colours_{};
    HWND window_ = nullptr;
    DrawList List1{check_.Rows()};
    HWND Command3D2 = nullptr;
    HWND Command3D3 = nullptr;
    // The control that had the focus when the window was last deactivated.
    HWND focus_ = nullptr;
};

}  // namespace drawchk::win32
