#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

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
    std::string path;
};

bool ParseMapping(const std::string& line, Mapping& mapping) {
    std::istringstream in(line);
    char dash = 0;
    char colon = 0;
    std::string permissions;
    std::string offset;
    in >> std::hex >> mapping.begin >> dash >> mapping.end >> permissions >> offset >>
        mapping.major >> colon >> mapping.minor >> std::dec >> mapping.inode;
    if (!in || dash != '-' || colon != ':') return false;
    in >> std::ws;
    std::getline(in, mapping.path);
    return true;
}

}  // namespace

std::optional<std::filesystem::path> ProgramFolder() {
    // The file that maps this very function is the program, however it was started;
    // /proc/self/exe names the dynamic loader when the loader started it.
    const auto code = reinterpret_cast<std::uintptr_t>(&ProgramFolder);
    std::ifstream maps("/proc/self/maps");
    std::string line;
    Mapping mapping;
    while (std::getline(maps, line)) {
        if (!ParseMapping(line, mapping) || code < mapping.begin || code >= mapping.end) continue;
        // The kernel escapes some bytes of a name and marks a deleted file: the name is only
        // trusted when it leads to the very file that is mapped.
        struct stat info {};
        if (mapping.path.empty() || mapping.path.front() != '/' ||
            ::stat(mapping.path.c_str(), &info) != 0 || info.st_ino != mapping.inode ||
            major(info.st_dev) != mapping.major || minor(info.st_dev) != mapping.minor) {
            return std::nullopt;
        }
        return std::filesystem::path(mapping.path).parent_path();
    }
    return std::nullopt;
}

}  // namespace drawchk
