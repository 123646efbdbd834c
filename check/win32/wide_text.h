#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace drawchk {

// `text` in `code_page`, UTF-8 unless another is named, as the UTF-16 that Windows calls take.
inline std::wstring ToWide(std::string_view text, UINT code_page = CP_UTF8) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    std::wstring wide(text.size(), L'\0');
    const int length = MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), size);
    wide.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return wide;
}

}  // namespace drawchk
