#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "byte_source.h"

namespace drawchk {

FileOpen FileSource::Open(const std::filesystem::path& path) {
    Close();
    // O_NONBLOCK keeps the open itself from waiting for a writer when the path is a FIFO.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT || errno == ENOTDIR ? FileOpen::kMissing : FileOpen::kUnreadable;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return FileOpen::kUnreadable;
    }
    file_ = fd;
    return FileOpen::kOpened;
}

void FileSource::Close() {
    if (file_ != kNoFile) ::close(static_cast<int>(file_));
    file_ = kNoFile;
    read_failed_ = false;
}

std::span<const char> FileSource::NextChunk() {
    // After a failed read the file is not read on, so what follows it cannot pass for it.
    if (file_ == kNoFile || read_failed_) return {};
    if (!buffer_) buffer_ = std::make_unique<char[]>(kChunkBytes);
    ssize_t got = 0;
    do {
        got = ::read(static_cast<int>(file_), buffer_.get(), kChunkBytes);
    } while (got < 0 && errno == EINTR);
    if (got < 0) read_failed_ = true;
    if (got <= 0) return {};
    return {buffer_.get(), static_cast<std::size_t>(got)};
}

}  // namespace drawchk
