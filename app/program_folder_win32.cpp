#include <windows.h>

#include <string>

#include "program_folder.h"

namespace drawchk {
namespace {

// In characters, the terminating null not counted.
constexpr std::size_t kLongestPath = 32767;

}  // namespace

std::optional<std::filesystem::path> ProgramFolder() {
    // Room for the longest path Windows has; a name that does not fit comes back cut short.
    std::wstring name(kLongestPath + 1, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0 || length >= name.size()) return std::nullopt;
    name.resize(length);
    return std::filesystem::path(name).parent_path();
}

}  // namespace drawchk
