#include "form1.h"

#include <string>
#include <utility>

#include "layout.h"
#include "message_loop.h"
#include "win32_design.h"
#include "window_class.h"

namespace drawchk::win32 {
namespace {

constexpr int kList1Id = 101;
constexpr int kCommand3D2Id = 102;
constexpr int kCommand3D3Id = 103;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = 0;
}  // namespace

Form1::Form1(HINSTANCE instance, std::optional<std::filesystem::path> program_folder)
    : instance_(instance), check_(std::move(program_folder)) {
    // With no class there is no window, and Run says so in its status.
    if (!RegisterWindowClass(instance, &Form1::WindowProc)) return;
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
    watch_.emplace(check_.ProgramFolder().value_or(std::filesystem::path()));
    return RunMessageLoop(window_, *watch_, [this](ChangeWatch::Woke woke) { OnWoke(woke); });
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
        case WM_ACTIVATE:
            OnActivate(LOWORD(wparam) != WA_INACTIVE);
            return 0;
        case WM_TIMECHANGE:
            OnNewDayMaybe();
            return 0;
        case WM_POWERBROADCAST:
            if (wparam == PBT_APMRESUMEAUTOMATIC) OnNewDayMaybe();
            return TRUE;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return HandleLookMessage(message, wparam, lparam);
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

void Form1::OnActivate(bool active) {
    // A plain window forgets its focused control when another window takes the focus.
    if (!active) {
        focus_ = GetFocus();
    } else if (focus_ != nullptr && IsChild(window_, focus_)) {
        SetFocus(focus_);
    }
}

void Form1::Command3D3_Click() { DestroyWindow(window_); }

}  // namespace drawchk::win32
