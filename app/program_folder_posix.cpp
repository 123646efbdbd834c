#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

#include "program_folder.h"

namespace drawchk {
namespace {

// One line of /proc/self/maps: a mapped range and the file it maps.
struct Mapping {
    std::uintptr_t begin = 0;
    std::uintptr_t end = 0;
    unsigned major = 0;
    unsigned minor = 0;
    ino_t inode = 0;
    std::string_view path;
};

// Reads a number in `base` and the one character after it, which must be `then` (or, for 0,
// any blank); false when the line does not go on so.
template <typename Number>
bool Take(std::string_view& line, Number& number, int base, char then) {
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), number, base);
    if (error != std::errc{} || end == line.data() + line.size()) return false;
    line.remove_prefix(static_cast<std::size_t>(end - line.data()));
    if (then != 0 ? line.front() != then : line.front() != ' ') return false;
    line.remove_prefix(1);
    return true;
}

bool SkipField(std::string_view& line) {
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos) return false;
    line.remove_prefix(blank + 1);
    return true;
}

// "begin-end perms offset major:minor inode   path"
bool ParseMapping(std::string_view line, Mapping& mapping) {
    std::uint64_t inode = 0;
    if (!Take(line, mapping.begin, 16, '-') || !Take(line, mapping.end, 16, 0) ||
        !SkipField(line) || !SkipField(line) || !Take(line, mapping.major, 16, ':') ||
        !Take(line, mapping.minor, 16, 0) || !Take(line, inode, 10, 0)) {
        return false;
    }
    mapping.inode = static_cast<ino_t>(inode);
    line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
    mapping.path = line;
    return true;
}

// The whole of a file that gives no size, such as those in /proc.
std::string ReadAll(const char* path) {
    std::string text;
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return text;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return text;
}

}  // namespace

std::optional<std::filesystem::path> ProgramFolder() {
    // The file that maps this very function is the program, however it was started;
    // /proc/self/exe names the dynamic loader when the loader started it.
    const auto code = reinterpret_cast<std::uintptr_t>(&ProgramFolder);
    const std::string maps = ReadAll("/proc/self/maps");
    std::string_view rest = maps;
    Mapping mapping;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (!ParseMapping(line, mapping) || code < mapping.begin || code >= mapping.end) continue;
        // The kernel escapes some bytes of a name and marks a deleted file: the name is only
        // trusted when it leads to the very file that is mapped.
        const std::string path(mapping.path);
        struct stat info {};
        if (path.empty() || path.front() != '/' || ::stat(path.c_str(), &info) != 0 ||
            info.st_ino != mapping.inode || major(info.st_dev) != mapping.major ||
            minor(info.st_dev) != mapping.minor) {
            return std::nullopt;
        }
        return std::filesystem::path(path).parent_path();
    }
    return std::nullopt;
}

}  // namespace drawchk
