// The rest-day lists as files: where they are, and what reading one found.
#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <thread>

#include "byte_source.h"
#include "file_names.h"
#include "rest_days.h"
#include "text_encoding.h"

namespace drawchk {
namespace {

// The list's first kListedBytes, up to the last whole line in them.
std::string ListedBytes(FileSource& file) {
    std::string text;
    // One byte past the bound tells a file that was cut from one that just fits.
    while (text.size() <= RestDays::kListedBytes) {
        const std::span<const char> chunk = file.NextChunk();
        if (chunk.empty()) break;
        text.append(chunk.data(), std::min(chunk.size(), RestDays::kListedBytes + 1 - text.size()));
    }
    if (text.size() > RestDays::kListedBytes) {
        // A number cut at the bound would be another number.
        text.resize(RestDays::kListedBytes);
        text.resize(std::min(text.find_last_of("\r\n") + 1, text.size()));
    }
    return text;
}

RestDayListReport::Read WhyNotRead(const std::filesystem::path& path, FileOpen opened,
                                   std::string& link_target) {
    using Read = RestDayListReport::Read;
    if (opened == FileOpen::kBusy) return Read::kBusy;
    if (std::optional<std::string> target = DanglingLinkTarget(path)) {
        link_target = std::move(*target);
        return Read::kDanglingLink;
    }
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return Read::kFolder;
    return opened == FileOpen::kNoPermission ? Read::kNoPermission : Read::kUnreadable;
}

}  // namespace

std::vector<std::filesystem::path> RestDayFilesIn(
    std::span<const std::filesystem::directory_entry> folder) {
    std::vector<std::filesystem::path> lists;
    for (const std::filesystem::directory_entry& entry : folder) {
        const std::string folded = FoldedName(PathText(entry.path().filename()));
        if (std::find(kRestDayListNames.begin(), kRestDayListNames.end(), folded) !=
            kRestDayListNames.end()) {
            lists.push_back(entry.path());
        }
    }
    std::sort(lists.begin(), lists.end());
    return lists;
}

RestDayListReport RestDays::AddListedIn(const std::filesystem::path& path) {
    RestDayListReport report;
    report.path = path;
    std::string text;
    FileOpen opened = FileOpen::kOpened;
    // A list saved while it is read is read again, about a second in all.
    const bool still = TryForASecond(
        [&] {
            FileSource file;
            opened = file.Open(path);
            if (opened != FileOpen::kOpened) return true;
            text = ListedBytes(file);
            if (file.ReadFailed()) opened = FileOpen::kUnreadable;
            return file.ReadFailed() || !file.Changed();
        },
        [](std::chrono::milliseconds pause) { std::this_thread::sleep_for(pause); });
    if (!still) {
        report.read = RestDayListReport::Read::kChanging;
    } else if (opened != FileOpen::kOpened) {
        report.read = WhyNotRead(path, opened, report.link_target);
    } else {
        report.faults = AddListed(text, ShownText(PathText(path.filename())));
    }
    return report;
}

}  // namespace drawchk
