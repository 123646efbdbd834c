#include "file_names.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <system_error>

#include "text_encoding.h"

namespace drawchk {
namespace {

constexpr std::size_t kMostNamed = 3;
constexpr std::string_view kBackupEndings[] = {".bak", "~", ".old"};
constexpr std::string_view kWordProcessorEndings[] = {".doc", ".docx", ".rtf", ".odt"};

bool EndsWithAny(std::string_view name, std::span<const std::string_view> endings) {
    return std::any_of(endings.begin(), endings.end(),
                       [name](std::string_view ending) { return name.ends_with(ending); });
}

// How `name`, folded, misses `wanted`, also folded; none where it is no near miss.
std::optional<MisnamedFile::Kind> Miss(std::string_view name, std::string_view wanted) {
    if (name.starts_with(wanted) && name.size() > wanted.size()) {
        const std::string_view rest = name.substr(wanted.size());
        if (rest.find_first_not_of(' ') == std::string_view::npos) {
            return MisnamedFile::kCaseOrBlanks;
        }
        if (rest == "~") return MisnamedFile::kBackup;
        if (EndsWithAny(rest, kWordProcessorEndings)) return MisnamedFile::kNotPlainText;
        if (rest.starts_with('.')) {
            return EndsWithAny(rest, kBackupEndings) ? MisnamedFile::kBackup
                                                     : MisnamedFile::kExtensionAdded;
        }
    }
    // A list saved by a word processor under its own extension: szunnapok.docx.
    const std::size_t dot = wanted.rfind('.');
    if (wanted.ends_with(".txt") && name.starts_with(wanted.substr(0, dot + 1)) &&
        EndsWithAny(name, kWordProcessorEndings)) {
        return MisnamedFile::kNotPlainText;
    }
    return std::nullopt;
}

}  // namespace

std::string FoldedName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const std::string_view other : {"u\xCC\x88", "\xC3\x9C"}) {
        for (std::size_t at = folded.find(other); at != std::string::npos;
             at = folded.find(other)) {
            folded.replace(at, other.size(), "\xC3\xBC");
        }
    }
    return folded;
}

std::optional<std::string> DanglingLinkTarget(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error)) ||
        std::filesystem::exists(path, error)) {
        return std::nullopt;
    }
    return ShownText(PathText(std::filesystem::read_symlink(path, error)));
}

std::vector<std::filesystem::directory_entry> FolderEntries(const std::filesystem::path& folder) {
    std::vector<std::filesystem::directory_entry> entries;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        entries.push_back(*entry);
    }
    return entries;
}

std::vector<MisnamedFile> MisnamedFilesIn(std::span<const std::filesystem::directory_entry> entries,
                                          std::span<const std::string_view> wanted, bool any_case) {
    std::vector<MisnamedFile> found;
    for (const std::filesystem::directory_entry& entry : entries) {
        const std::string name = PathText(entry.path().filename());
        const std::string folded = FoldedName(name);
        for (const std::string_view one : wanted) {
            if (name == one || (any_case && folded == one)) break;
            std::optional<MisnamedFile::Kind> kind =
                folded == one ? MisnamedFile::kCaseOrBlanks : Miss(folded, one);
            std::error_code not_regular;
            if (kind && entry.is_regular_file(not_regular)) {
                found.push_back({*kind, name});
                break;
            }
        }
    }
    std::sort(found.begin(), found.end(), [](const MisnamedFile& a, const MisnamedFile& b) {
        return a.kind != b.kind ? a.kind < b.kind : a.name < b.name;
    });
    if (found.size() > kMostNamed) found.resize(kMostNamed);
    return found;
}

}  // namespace drawchk
