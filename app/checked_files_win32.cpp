#include <windows.h>

#include "checked_files.h"
#include "unique_file.h"

namespace drawchk {

FileStamp StampOf(const std::filesystem::path& path) {
    // No access asked for and every sharing granted: another program that holds the file
    // never notices, and the file's index is the only way to name which file it is.
    const UniqueFile file(CreateFileW(path.c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION about{};
    if (!file || !GetFileInformationByHandle(file.get(), &about)) return {};
    const auto join = [](DWORD high, DWORD low) {
        return (std::uint64_t{high} << 32) | std::uint64_t{low};
    };
    return {.exists = true,
            .device = about.dwVolumeSerialNumber,
            .file = join(about.nFileIndexHigh, about.nFileIndexLow),
            .size = join(about.nFileSizeHigh, about.nFileSizeLow),
            .time = static_cast<std::int64_t>(
                join(about.ftLastWriteTime.dwHighDateTime, about.ftLastWriteTime.dwLowDateTime))};
}

}  // namespace drawchk
