#include <algorithm>
#include <string>

#include "file_path.h"

namespace drawchk {
namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsDriveLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

}  // namespace

std::filesystem::path FileCallPath(const std::filesystem::path& path) {
    const std::wstring& text = path.native();
    const bool drive =
        text.size() >= 3 && IsDriveLetter(text[0]) && text[1] == L':' && IsSeparator(text[2]);
    const bool unc = text.size() >= 3 && IsSeparator(text[0]) && IsSeparator(text[1]) &&
                     !IsSeparator(text[2]) && text[2] != L'?' && text[2] != L'.';
    if (!drive && !unc) return path;
    // The system does not tidy an extended-length path, so its separators must be its own.
    std::wstring tidy = text;
    std::replace(tidy.begin(), tidy.end(), L'/', L'\\');
    return drive ? L"\\\\?\\" + tidy : L"\\\\?\\UNC\\" + tidy.substr(2);
}

}  // namespace drawchk
