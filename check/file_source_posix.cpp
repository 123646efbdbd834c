#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "byte_source.h"

namespace drawchk {

FileOpen FileSource::Open(const std::filesystem::path& path) {
    Close();
    // O_NONBLOCK keeps the open itself from waiting for a writer when the path is a FIFO.
    UniqueFile file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file) {
        return errno == ENOENT || errno == ENOTDIR ? FileOpen::kMissing : FileOpen::kUnreadable;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return FileOpen::kUnreadable;
    file_ = std::move(file);
    return FileOpen::kOpened;
}

void FileSource::Close() {
    file_.Close();
    read_failed_ = false;
}

std::span<const char> FileSource::NextChunk() {
    // After a failed read the file is not read on, so what follows it cannot pass for it.
    if (!file_ || read_failed_) return {};
    if (!buffer_) buffer_ = std::make_unique<char[]>(kChunkBytes);
    ssize_t got = 0;
    do {
        got = ::read(file_.get(), buffer_.get(), kChunkBytes);
    } while (got < 0 && errno == EINTR);
    if (got < 0) read_failed_ = true;
    if (got <= 0) return {};
    return {buffer_.get(), static_cast<std::size_t>(got)};
}

}  // namespace drawchk
