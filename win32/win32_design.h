#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "window_design.h"

namespace drawchk::win32 {

// The window's design in the Windows API's own types.
inline COLORREF ToColorRef(design::Colour colour) {
    return RGB(colour.red, colour.green, colour.blue);
}
inline design::Colour FromColorRef(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// `text` in `code_page` (CP_UTF8 for the design's texts) as UTF-16.
inline std::wstring ToWide(std::string_view text, UINT code_page = CP_UTF8) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    const int length = MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), size);
    wide.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return wide;
}

}  // namespace drawchk::win32
