#include "program_folder.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>

#include <vector>
#endif

namespace drawchk {

std::filesystem::path ProgramFolder(const char* argv0) {
    std::error_code error;
#ifdef _WIN32
    std::vector<wchar_t> name(32768);
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length > 0 && length < name.size()) {
        return std::filesystem::path(std::wstring(name.data(), length)).parent_path();
    }
#else
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return program.parent_path();
#endif
    const std::filesystem::path fallback =
        std::filesystem::weakly_canonical(argv0 != nullptr ? argv0 : "", error);
    return fallback.parent_path();
}

}  // namespace drawchk
