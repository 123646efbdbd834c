#include "form1.h"

#include <windowsx.h>

#include <string>
#include <utility>

#include "change_watch.h"
#include "layout.h"
#include "list_check.h"
#include "today.h"
#include "win32_design.h"

namespace drawchk::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Drawchk.Form1";
constexpr int kList1Id = 101;
constexpr int kCommand3D2Id = 102;
constexpr int kCommand3D3Id = 103;
constexpr int kIconId = 1;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = 0;

UniqueIcon LoadProgramIcon(HINSTANCE instance, int width_metric, int height_metric) {
    return UniqueIcon(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON, GetSystemMetrics(width_metric),
                   GetSystemMetrics(height_metric), LR_DEFAULTCOLOR)));
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC window_proc) {
    // These live as long as the class, which is as long as the program.
    static const UniqueIcon icon = LoadProgramIcon(instance, SM_CXICON, SM_CYICON);
    static const UniqueIcon small_icon = LoadProgramIcon(instance, SM_CXSMICON, SM_CYSMICON);
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = window_proc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    // No class brush: WM_ERASEBKGND paints the colours chosen for the system's.
    window_class.lpszClassName = kClassName;
    window_class.hIcon = icon.get();
    window_class.hIconSm = small_icon.get();
    RegisterClassExW(&window_class);
}

HWND MakeControl(HWND parent, HINSTANCE instance, const wchar_t* kind, const wchar_t* caption,
                 DWORD style, DWORD ex_style, int id) {
    return CreateWindowExW(ex_style, kind, caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 0,
                           0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           instance, nullptr);
}

}  // namespace

Form1::Form1(HINSTANCE instance, std::optional<std::filesystem::path> program_folder)
    : instance_(instance), program_folder_(std::move(program_folder)) {
    RegisterWindowClass(instance, &Form1::WindowProc);
    const UINT dpi = SystemDpi();
    const RECT client = ToPixels(design::kClientArea, dpi);
    const RECT frame = WindowRectForClient(client, kStyle, kExStyle, dpi);
    // The window procedure has the handle from the first message on; a window that failed to
    // be made leaves none.
    window_ = CreateWindowExW(kExStyle, kClassName, ToWide(design::kTitle).c_str(), kStyle,
                              frame.left, frame.top, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, instance, this);
    if (window_ != nullptr) Form_Load();
}

int Form1::Run(int show_command) {
    if (window_ == nullptr) return 1;
    ShowWindow(window_, show_command);
    UpdateWindow(window_);
    SetFocus(Command3D2);
    // Without a folder there is nothing to watch, and the list says why.
    ChangeWatch watch(program_folder_.value_or(std::filesystem::path()));
    int exit_status = 0;
    while (DispatchMessages(exit_status)) {
        switch (watch.Wait()) {
            case ChangeWatch::Woke::kFilesSettled:
                if (checked_files_ && checked_files_->Changed()) Check(true);
                break;
            case ChangeWatch::Woke::kNewDay:
                if (checked_files_) Check(true);
                break;
            case ChangeWatch::Woke::kMessage:
                break;
        }
    }
    return exit_status;
}

bool Form1::DispatchMessages(int& exit_status) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            exit_status = static_cast<int>(message.wParam);
            return false;
        }
        // Tab, Space and Enter move between and press the controls as in a dialog.
        if (IsDialogMessageW(window_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

LRESULT CALLBACK Form1::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr) return DefWindowProcW(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        // The window's last message: nothing may reach the form through it after this.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        form->window_ = nullptr;
        return DefWindowProcW(window, message, wparam, lparam);
    }
    return form->HandleMessage(message, wparam, lparam);
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wparam));
            return 0;
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
            return TRUE;
        case WM_ACTIVATE:
            OnActivate(LOWORD(wparam) != WA_INACTIVE);
            return 0;
        case WM_ERASEBKGND:
            OnEraseBackground(reinterpret_cast<HDC>(wparam));
            return TRUE;
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            OnColoursChanged();
            return DefWindowProcW(window_, message, wparam, lparam);
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, wparam, lparam);
    }
}

void Form1::OnCreate() {
    // Created in tab order: "Ellenőrzés", the list, "Vége".
    Command3D2 = MakeControl(window_, instance_, L"BUTTON", ToWide(design::kCheckCaption).c_str(),
                             BS_OWNERDRAW, 0, kCommand3D2Id);
    List1.Create(window_, instance_, kList1Id);
    Command3D3 = MakeControl(window_, instance_, L"BUTTON", ToWide(design::kEndCaption).c_str(),
                             BS_OWNERDRAW, 0, kCommand3D3Id);
    LayOut(WindowDpi(window_));
    OnColoursChanged();
}

void Form1::OnCommand(int id) {
    switch (id) {
        case kCommand3D2Id:
            Command3D2_Click();
            break;
        case kCommand3D3Id:
            Command3D3_Click();
            break;
        case IDOK: {
            // Enter: the window has no default button, so Enter presses the focused one.
            const HWND focus = GetFocus();
            if (focus == Command3D2 || focus == Command3D3) SendMessageW(focus, BM_CLICK, 0, 0);
            break;
        }
        default:
            break;
    }
}

void Form1::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.hwndItem == List1.handle()) List1.DrawRow(item);
    if (item.hwndItem == Command3D2) DrawButton(item, ToColorRef(colours_.check_caption));
    if (item.hwndItem == Command3D3) DrawButton(item, ToColorRef(colours_.end_caption));
}

void Form1::OnActivate(bool active) {
    // A plain window forgets its focused control when another window takes the focus.
    if (!active) {
        focus_ = GetFocus();
    } else if (focus_ != nullptr && IsChild(window_, focus_)) {
        SetFocus(focus_);
    }
}

void Form1::OnDpiChanged(UINT dpi, const RECT& suggested) {
    LayOut(dpi);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::OnEraseBackground(HDC dc) const {
    RECT client{};
    GetClientRect(window_, &client);
    SetDCBrushColor(dc, ToColorRef(colours_.background));
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Form1::OnColoursChanged() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    high_contrast_ = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
                     (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    const auto system = [](int index) { return FromColorRef(GetSysColor(index)); };
    colours_ = design::ChooseWindowColours({.button_face = system(COLOR_BTNFACE),
                                            .button_text = system(COLOR_BTNTEXT),
                                            .window = system(COLOR_WINDOW),
                                            .window_text = system(COLOR_WINDOWTEXT),
                                            .gray_text = system(COLOR_GRAYTEXT),
                                            .hot_light = system(COLOR_HOTLIGHT),
                                            .highlight = system(COLOR_HIGHLIGHT)},
                                           high_contrast_);
    List1.SetColours(colours_.list);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form1::Form_Load() {
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    DayLabels = kHungarianDayLabels;
    if (!program_folder_) {
        Command3D2_Click();
        return;
    }
    checked_files_.emplace(*program_folder_);
    // The files as they are now are the ones the list was opened over.
    checked_files_->Changed();
}

void Form1::Command3D2_Click() { Check(false); }

void Form1::Check(bool automatic) {
    // The row the user moved to in the focused list stays the current one.
    const auto current = static_cast<int>(SendMessageW(List1.handle(), LB_GETCURSEL, 0, 0));
    const bool moved =
        automatic && GetFocus() == List1.handle() && current >= 0 && current != rows_.Count() - 1;
    // Looked at before the check reads them, so a change while it reads counts as one.
    if (checked_files_) checked_files_->Changed();
    // A failure shows as an empty list with a hint saying why, or as rows that are marked.
    List1.ShowRows(CheckIntoList(program_folder_, rows_, DayLabels, Today()), moved ? current : -1);
}

void Form1::Command3D3_Click() { DestroyWindow(window_); }

void Form1::LayOut(UINT dpi) {
    LOGFONTW description{};
    description.lfHeight = FontHeight(dpi);
    description.lfWeight = FW_BOLD;
    description.lfCharSet = EASTEUROPE_CHARSET;
    description.lfQuality = DEFAULT_QUALITY;
    // Windows puts its closest font in place of this one where it is missing.
    lstrcpynW(description.lfFaceName, ToWide(design::kFontName).c_str(), LF_FACESIZE);
    UniqueFont font(CreateFontIndirectW(&description));
    for (const HWND control : {List1.handle(), Command3D2, Command3D3}) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
    font_ = std::move(font);

    List1.LayOut(ToPixels(design::kList1, dpi), ScaledPixels(design::kRowPixelsAt96Dpi, dpi), dpi);
    MoveTo(Command3D2, ToPixels(design::kCommand3D2, dpi));
    MoveTo(Command3D3, ToPixels(design::kCommand3D3, dpi));
}

void Form1::DrawButton(const DRAWITEMSTRUCT& item, COLORREF caption_colour) const {
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    RECT face = item.rcItem;
    if (high_contrast_) {
        DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    } else {
        // The window's own light face, whatever the system's, so the captions keep their
        // contrast.
        SetDCBrushColor(item.hDC, ToColorRef(colours_.background));
        FillRect(item.hDC, &face, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        DrawEdge(item.hDC, &face, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    }
    wchar_t caption[32] = {};
    GetWindowTextW(item.hwndItem, caption, static_cast<int>(std::size(caption)));
    RECT text_place = item.rcItem;
    // A pushed button's caption moves with its face.
    if (pushed) OffsetRect(&text_place, 1, 1);
    const HGDIOBJ old_font = SelectObject(item.hDC, font_.get());
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, caption_colour);
    DrawTextW(item.hDC, caption, -1, &text_place, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(item.hDC, old_font);
    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = item.rcItem;
        const auto inset = ScaledPixels(design::kFocusInsetAt96Dpi, WindowDpi(window_));
        InflateRect(&focus, -inset, -inset);
        DrawFocusRect(item.hDC, &focus);
    }
}

}  // namespace drawchk::win32
