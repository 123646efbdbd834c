#include <sys/stat.h>

#include "file_stamp.h"
#include "system_files.h"

namespace drawchk {
namespace {

FileStamp StampOfStatus(const struct stat& status) {
    return {.exists = true,
            .device = static_cast<std::uint64_t>(status.st_dev),
            .file = static_cast<std::uint64_t>(status.st_ino),
            .size = static_cast<std::uint64_t>(status.st_size),
            .modified = std::chrono::system_clock::time_point(
                std::chrono::duration_cast<std::chrono::system_clock::duration>(
                    std::chrono::seconds(status.st_mtim.tv_sec) +
                    std::chrono::nanoseconds(status.st_mtim.tv_nsec)))};
}

}  // namespace

FileStamp StampOf(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return {};
    return StampOfStatus(status);
}

namespace system_files {

FileStamp StampOf(const UniqueFile& file) {
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) return {};
    return StampOfStatus(status);
}

}  // namespace system_files
}  // namespace drawchk
