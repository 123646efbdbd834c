#include "layout.h"

#include "handles.h"
#include "wide_text.h"

namespace drawchk::win32 {
namespace {

constexpr UINT kDefaultDpi = USER_DEFAULT_SCREEN_DPI;

// Functions of Windows 10 1607 and later, looked up so the program still starts on older
// Windows, where the screen's DPI serves.
template <typename Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

UINT ScreenDpi() {
    const UniqueWindowDc screen(GetDC(nullptr));
    const int dpi = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
}

}  // namespace

RECT ToPixels(const design::TwipsRect& place, UINT dpi) {
    const auto pixels = [dpi](int twips) {
        return design::TwipsToPixels(twips, static_cast<int>(dpi));
    };
    const int left = pixels(place.left);
    const int top = pixels(place.top);
    return {left, top, left + pixels(place.width), top + pixels(place.height)};
}

int ScaledPixels(int pixels_at_96_dpi, UINT dpi) {
    return design::ScaledPixels(pixels_at_96_dpi, static_cast<int>(dpi));
}

UniqueFont MakeWindowFont(UINT dpi) {
    LOGFONTW description{};
    description.lfHeight =
        -MulDiv(design::kFontHundredthsOfAPoint, static_cast<int>(dpi), 72 * 100);
    description.lfWeight = FW_BOLD;
    description.lfCharSet = EASTEUROPE_CHARSET;
    description.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(description.lfFaceName, ToWide(design::kFontName).c_str(), LF_FACESIZE);
    return UniqueFont(CreateFontIndirectW(&description));
}

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

void MoveTo(HWND control, const RECT& place) {
    MoveWindow(control, place.left, place.top, place.right - place.left, place.bottom - place.top,
               TRUE);
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
