#include <windows.h>

#include <string>

#include "program_folder.h"

namespace drawchk {

std::optional<std::filesystem::path> ProgramFolder() {
    // Long paths need more than MAX_PATH; the name is cut short while the buffer is too small.
    std::wstring name(MAX_PATH, L'\0');
    while (name.size() <= 32768) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return std::nullopt;
        if (length < name.size()) {
            name.resize(length);
            return std::filesystem::path(name).parent_path();
        }
        name.resize(name.size() * 2);
    }
    return std::nullopt;
}

}  // namespace drawchk
