#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "system_files.h"

namespace drawchk {

std::filesystem::path FileCallPath(const std::filesystem::path& path) { return path; }

namespace system_files {
namespace {

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t wrote = ::write(fd, content.data(), content.size());
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote == 0) errno = EIO;
        if (wrote <= 0) return false;
        content.remove_prefix(static_cast<std::size_t>(wrote));
    }
    return true;
}

// What the system's error number says of a failed write.
WriteFailure WhyNotWritten(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return WriteFailure::kNoPermission;
        case EROFS:
            return WriteFailure::kReadOnly;
        case ENOSPC:
        case EDQUOT:
            return WriteFailure::kDiskFull;
        case EFBIG:
            return WriteFailure::kTooBig;
        case EISDIR:
        case ENOTEMPTY:
        case EEXIST:
            return WriteFailure::kFolderInTheWay;
        case EBUSY:
        case ETXTBSY:
            return WriteFailure::kHeld;
        default:
            return WriteFailure::kOther;
    }
}

}  // namespace

FileOpen OpenForReading(const std::filesystem::path& path, UniqueFile& file) {
    // O_NONBLOCK keeps the open itself from waiting for a writer when the path is a FIFO.
    UniqueFile opened(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!opened) {
        if (errno == ENOENT || errno == ENOTDIR) return FileOpen::kMissing;
        return errno == EACCES || errno == EPERM ? FileOpen::kNoPermission : FileOpen::kUnreadable;
    }
    struct stat info {};
    if (::fstat(opened.get(), &info) != 0 || !S_ISREG(info.st_mode)) return FileOpen::kUnreadable;
    file = std::move(opened);
    return FileOpen::kOpened;
}

std::ptrdiff_t Read(const UniqueFile& file, char* buffer, std::size_t size) {
    ssize_t got = 0;
    do {
        got = ::read(file.get(), buffer, size);
    } while (got < 0 && errno == EINTR);
    return got < 0 ? -1 : got;
}

NewFile WriteNewFile(const std::filesystem::path& temporary, std::string_view content,
                     WriteFailure& why) {
    // Exclusive, so two checks at once never share a temporary file; 0666 less the umask.
    UniqueFile file(
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (!file) {
        if (errno == EEXIST) return NewFile::kNameTaken;
        why = WhyNotWritten(errno);
        return NewFile::kNotCreated;
    }
    const bool written = WriteAll(file.get(), content) && ::fsync(file.get()) == 0;
    if (!written) why = WhyNotWritten(errno);
    if (!file.Close() && written) why = WhyNotWritten(errno);
    return why == WriteFailure::kNone ? NewFile::kWritten : NewFile::kIncomplete;
}

WriteFailure ReplaceWith(const std::filesystem::path& temporary,
                         const std::filesystem::path& path) {
    // A rename needs no write permission on the old file, so a read-only result is replaced.
    if (::rename(temporary.c_str(), path.c_str()) != 0) return WhyNotWritten(errno);
    // Make the rename itself durable; the result is already in place if this fails.
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const UniqueFile dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir) ::fsync(dir.get());
    return WriteFailure::kNone;
}

}  // namespace system_files
}  // namespace drawchk
