// What the window does around a check: when it checks again by itself, and which row it keeps.
#include "form1.h"
#include "recheck_rule.h"

namespace drawchk::win32 {
void Form1::OnWoke(ChangeWatch::Woke woke) {
    if (!check_.ProgramFolder()) return;
    const Wake wake = woke == ChangeWatch::Woke::kNewDay ? Wake::kNewDay : Wake::kFilesSettled;
    if (check_.ChecksAgain(wake)) Check(true);
}

void Form1::OnNewDayMaybe() {
    if (watch_) watch_->CountNewDayFromNow();
    if (check_.ProgramFolder() && check_.ChecksAgain(Wake::kNewDay)) Check(true);
}

void Form1::Form_Load() {
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    DayLabels = kHungarianDayLabels;
    if (!check_.ProgramFolder()) Command3D2_Click();
}

void Form1::Command3D2_Click() { Check(false); }

int Form1::MovedToRow() const {
    // The control that had the focus when another window took it, as when keno.old is saved in
    // another program, counts as the focused one.
    const HWND focused = GetActiveWindow() == window_ ? GetFocus() : focus_;
    const auto current = static_cast<int>(SendMessageW(List1.handle(), LB_GETCURSEL, 0, 0));
    const bool moved =
        focused == List1.handle() && current >= 0 && current != check_.Rows().Count() - 1;
    return moved ? current : -1;
}

void Form1::Check(bool automatic) {
    const int kept_row = automatic ? MovedToRow() : -1;
    // An answer held back, as for a file still being written, is asked for again later.
    if (!check_.Run(automatic, DayLabels)) {
        if (watch_) watch_->SettleAgain();
        return;
    }
    // A failure shows as an empty list with a hint saying why, or as rows that are marked.
    List1.ShowRows(check_.Hint(), kept_row);
}

}  // namespace drawchk::win32
