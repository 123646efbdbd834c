#include "layout.h"

#include "handles.h"

namespace drawchk::win32 {
namespace {

constexpr int kTwipsPerInch = 1440;
constexpr UINT kDefaultDpi = USER_DEFAULT_SCREEN_DPI;

// Functions of Windows 10 1607 and later, looked up so the program still starts on older
// Windows, where the screen's DPI serves.
template <typename Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

UINT ScreenDpi() {
    const WindowDc screen(nullptr);
    const int dpi = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
}

}  // namespace

int TwipsToPixels(int twips, UINT dpi) {
    return MulDiv(twips, static_cast<int>(dpi), kTwipsPerInch);
}

RECT ToPixels(const TwipsRect& place, UINT dpi) {
    const int left = TwipsToPixels(place.left, dpi);
    const int top = TwipsToPixels(place.top, dpi);
    return {left, top, left + TwipsToPixels(place.width, dpi),
            top + TwipsToPixels(place.height, dpi)};
}

int RowHeight(UINT dpi) { return MulDiv(kRowPixelsAt96Dpi, static_cast<int>(dpi), kDefaultDpi); }

int FontHeight(UINT dpi) { return -MulDiv(825, static_cast<int>(dpi), 72 * 100); }

UINT WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto get_dpi = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    const UINT dpi = get_dpi != nullptr ? get_dpi(window) : 0;
    return dpi != 0 ? dpi : ScreenDpi();
}

UINT SystemDpi() {
    using GetDpiForSystemFunction = UINT(WINAPI*)();
    static const auto get_dpi = User32Function<GetDpiForSystemFunction>("GetDpiForSystem");
    const UINT dpi = get_dpi != nullptr ? get_dpi() : 0;
    return dpi != 0 ? dpi : ScreenDpi();
}

RECT WindowRectForClient(RECT client, DWORD style, DWORD ex_style, UINT dpi) {
    using AdjustFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjust = User32Function<AdjustFunction>("AdjustWindowRectExForDpi");
    if (adjust == nullptr || !adjust(&client, style, FALSE, ex_style, dpi)) {
        AdjustWindowRectEx(&client, style, FALSE, ex_style);
    }
    return client;
}

}  // namespace drawchk::win32
