#include <windows.h>

#include <cstdint>

#include "file_stamp.h"
#include "system_files.h"

namespace drawchk {
namespace {

// A file time, in 100-nanosecond ticks since 1601, on the system clock.
std::chrono::system_clock::time_point SystemTime(std::uint64_t ticks) {
    // The ticks from 1601 to 1970.
    constexpr std::uint64_t kTo1970 = 116'444'736'000'000'000;
    const std::chrono::duration<std::int64_t, std::ratio<1, 10'000'000>> since_1970(
        static_cast<std::int64_t>(ticks - kTo1970));
    return std::chrono::system_clock::time_point(
        std::chrono::duration_cast<std::chrono::system_clock::duration>(since_1970));
}

FileStamp StampOfHandle(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION about{};
    if (!GetFileInformationByHandle(file, &about)) return {};
    const auto join = [](DWORD high, DWORD low) {
        return (std::uint64_t{high} << 32) | std::uint64_t{low};
    };
    return {.exists = true,
            .device = about.dwVolumeSerialNumber,
            .file = join(about.nFileIndexHigh, about.nFileIndexLow),
            .size = join(about.nFileSizeHigh, about.nFileSizeLow),
            .modified = SystemTime(
                join(about.ftLastWriteTime.dwHighDateTime, about.ftLastWriteTime.dwLowDateTime))};
}

}  // namespace

FileStamp StampOf(const std::filesystem::path& path) {
    // No access asked for and every sharing granted: another program that holds the file
    // never notices, and the file's index is the only way to name which file it is.
    const UniqueFile file(CreateFileW(FileCallPath(path).c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return file ? StampOfHandle(file.get()) : FileStamp{};
}

namespace system_files {

FileStamp StampOf(const UniqueFile& file) { return StampOfHandle(file.get()); }

}  // namespace system_files
}  // namespace drawchk
