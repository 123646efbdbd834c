#include "result_file.h"

#include <chrono>
#include <functional>
#include <random>
#include <string>
#include <system_error>
#include <thread>

#ifdef _WIN32
#include <io.h>

#include <cerrno>
#include <cstdio>
#else
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace drawchk {
namespace {

enum class NewFile { kNameTaken, kNotCreated, kIncomplete, kWritten };

// A name beside the result that no other writer picks by chance.
std::filesystem::path TemporaryName(const std::filesystem::path& path) {
    static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
    // Seeded from the clock and the thread, not std::random_device, which may throw.
    thread_local std::minstd_rand random{static_cast<std::uint_fast32_t>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^
        static_cast<long long>(std::hash<std::thread::id>{}(std::this_thread::get_id())))};
    std::string name = "." + path.filename().string() + ".";
    for (int i = 0; i < 8; ++i) name.push_back(kLetters[random() % kLetters.size()]);
    return path.parent_path() / name;
}

#ifdef _WIN32

NewFile WriteNewFile(const std::filesystem::path& temporary, const std::string& content) {
    std::FILE* out = _wfopen(temporary.c_str(), L"wbx");
    if (out == nullptr) return errno == EEXIST ? NewFile::kNameTaken : NewFile::kNotCreated;
    const bool written = std::fwrite(content.data(), 1, content.size(), out) == content.size() &&
                         std::fflush(out) == 0 && _commit(_fileno(out)) == 0;
    return std::fclose(out) == 0 && written ? NewFile::kWritten : NewFile::kIncomplete;
}

bool ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& path) {
    std::error_code error;
    // A read-only result would refuse to be replaced; the new one is writable again.
    std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, error);
    std::filesystem::rename(temporary, path, error);
    return !error;
}

#else

bool WriteAll(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t wrote = ::write(fd, content.data() + done, content.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

NewFile WriteNewFile(const std::filesystem::path& temporary, const std::string& content) {
    // Exclusive, so two checks at once never share a temporary file; 0666 less the umask.
    const int fd =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) return errno == EEXIST ? NewFile::kNameTaken : NewFile::kNotCreated;
    const bool written = WriteAll(fd, content) && ::fsync(fd) == 0;
    return ::close(fd) == 0 && written ? NewFile::kWritten : NewFile::kIncomplete;
}

bool ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& path) {
    if (::rename(temporary.c_str(), path.c_str()) != 0) return false;
    // Make the rename itself durable; the result is already in place if this fails.
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

#endif

}  // namespace

bool ReplaceResultFile(const std::filesystem::path& path, std::string_view line) {
    std::string content(line);
    content.append("\r\n");
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::filesystem::path temporary = TemporaryName(path);
        const NewFile made = WriteNewFile(temporary, content);
        if (made == NewFile::kNameTaken) continue;
        if (made == NewFile::kWritten && ReplaceWith(temporary, path)) return true;
        // Only a file this call created is removed; another writer's is never touched.
        if (made != NewFile::kNotCreated) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
        }
        return false;
    }
    return false;
}

}  // namespace drawchk
