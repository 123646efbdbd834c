#include "byte_source.h"

#include <cerrno>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace drawchk {

std::span<const char> MemorySource::NextChunk() { return std::exchange(bytes_, {}); }

#ifdef _WIN32

bool FileSource::Open(const std::filesystem::path& path) {
    Close();
    int fd = -1;
    if (_wsopen_s(&fd, path.c_str(), _O_RDONLY | _O_BINARY, _SH_DENYNO, 0) != 0) return false;
    struct _stat64 info {};
    if (_fstat64(fd, &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG) {
        _close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void FileSource::Close() {
    if (fd_ >= 0) _close(fd_);
    fd_ = -1;
}

std::span<const char> FileSource::NextChunk() {
    if (fd_ < 0) return {};
    if (!buffer_) buffer_ = std::make_unique<char[]>(kChunkBytes);
    const int got = _read(fd_, buffer_.get(), static_cast<unsigned>(kChunkBytes));
    if (got <= 0) return {};
    return {buffer_.get(), static_cast<std::size_t>(got)};
}

#else

bool FileSource::Open(const std::filesystem::path& path) {
    Close();
    // O_NONBLOCK keeps the open itself from waiting for a writer when the path is a FIFO.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void FileSource::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

std::span<const char> FileSource::NextChunk() {
    if (fd_ < 0) return {};
    if (!buffer_) buffer_ = std::make_unique<char[]>(kChunkBytes);
    ssize_t got = 0;
    do {
        got = ::read(fd_, buffer_.get(), kChunkBytes);
    } while (got < 0 && errno == EINTR);
    if (got <= 0) return {};
    return {buffer_.get(), static_cast<std::size_t>(got)};
}

#endif

}  // namespace drawchk
