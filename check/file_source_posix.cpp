#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "system_file.h"
#include "unique_file.h"

namespace drawchk::system_file {

FileOpen OpenForReading(const std::filesystem::path& path, std::intptr_t& file) {
    // O_NONBLOCK keeps the open itself from waiting for a writer when the path is a FIFO.
    UniqueFile opened(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!opened) {
        return errno == ENOENT || errno == ENOTDIR ? FileOpen::kMissing : FileOpen::kUnreadable;
    }
    struct stat info {};
    if (::fstat(opened.get(), &info) != 0 || !S_ISREG(info.st_mode)) return FileOpen::kUnreadable;
    file = opened.release();
    return FileOpen::kOpened;
}

std::ptrdiff_t Read(std::intptr_t file, char* buffer, std::size_t size) {
    ssize_t got = 0;
    do {
        got = ::read(static_cast<int>(file), buffer, size);
    } while (got < 0 && errno == EINTR);
    return got < 0 ? -1 : got;
}

void Close(std::intptr_t file) { ::close(static_cast<int>(file)); }

}  // namespace drawchk::system_file
