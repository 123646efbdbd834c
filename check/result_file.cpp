#include "result_file.h"

#include <chrono>
#include <functional>
#include <random>
#include <string>
#include <system_error>
#include <thread>

#include "system_files.h"

namespace drawchk {
namespace {

using system_files::NewFile;

// A name beside the result that no other writer picks by chance.
std::filesystem::path TemporaryName(const std::filesystem::path& path) {
    static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
    // Seeded from the clock and the thread, not std::random_device, which may throw.
    thread_local std::minstd_rand random{static_cast<std::uint_fast32_t>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^
        static_cast<long long>(std::hash<std::thread::id>{}(std::this_thread::get_id())))};
    std::filesystem::path::string_type name = path.filename().native();
    name.insert(name.begin(), '.');
    name.push_back('.');
    for (int i = 0; i < 8; ++i) name.push_back(kLetters[random() % kLetters.size()]);
    return path.parent_path() / name;
}

}  // namespace

WriteFailure ReplaceResultFile(const std::filesystem::path& path, std::string_view line) {
    std::string content(line);
    content.append("\r\n");
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::filesystem::path temporary = TemporaryName(path);
        WriteFailure why = WriteFailure::kNone;
        const NewFile made = system_files::WriteNewFile(temporary, content, why);
        if (made == NewFile::kNameTaken) continue;
        if (made == NewFile::kWritten) {
            why = system_files::ReplaceWith(temporary, path);
            if (why == WriteFailure::kNone) return why;
        }
        // Only a file this call created is removed; another writer's is never touched.
        if (made != NewFile::kNotCreated) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
        }
        return why;
    }
    return WriteFailure::kOther;
}

}  // namespace drawchk
