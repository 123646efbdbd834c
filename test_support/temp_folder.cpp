#include "temp_folder.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <system_error>

namespace drawchk::testing {
namespace {

// Names are UTF-8 in the tests, whatever the system's own encoding.
std::filesystem::path FromUtf8(std::string_view name) {
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

}  // namespace

TempFolder::TempFolder(std::string_view name) {
    std::minstd_rand random(
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto candidate =
            base / FromUtf8(std::string(name) + "-" + std::to_string(random() % 1000000000));
        // create_directory says false, not an error, when the folder was already there.
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempFolder::operator/(std::string_view name) const {
    return path_ / FromUtf8(name);
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    // Written an hour ago, as a file saved long before a check, which batch mode does not wait
    // on to be still.
    std::error_code ignored;
    std::filesystem::last_write_time(
        path, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1), ignored);
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> NamesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string NumberedLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += std::to_string(i) + "\r\n";
    return text;
}

}  // namespace drawchk::testing
