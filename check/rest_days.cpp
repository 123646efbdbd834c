#include "rest_days.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <thread>

#include "byte_source.h"
#include "draw_calendar.h"
#include "draw_number.h"
#include "file_names.h"
#include "text_encoding.h"
#include "written_date.h"

namespace drawchk {
namespace {

using std::chrono::sys_days;

// Days without a draw: 25 December 2012, 2018, 2019, 2023 and 2024, and 26 December 2022.
constexpr std::int64_t kKnownRestDays[] = {5489, 7679, 8043, 9139, 9502, 9867};
// A listed number longer than this is no draw number, and could overflow.
constexpr std::size_t kMaxDigits = 12;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// The blanks that may group a number's digits by threes: a no-break space and the narrow
// no-break space of Hungarian typesetting.
constexpr std::string_view kNoBreakSpaces[] = {"\xC2\xA0", "\xE2\x80\xAF"};

// The length of a blank or no-break space at the start of `text`; 0 for none.
std::size_t SeparatorLength(std::string_view text) {
    if (text.starts_with(' ') || text.starts_with('\t')) return 1;
    for (const std::string_view space : kNoBreakSpaces) {
        if (text.starts_with(space)) return space.size();
    }
    return 0;
}

// Whether a form ends where `rest` begins: at the line's end, or at a blank before a note.
bool EndsForm(std::string_view rest) { return rest.empty() || SeparatorLength(rest) > 0; }

// The digits `line` begins with, with those grouped by threes after a first group of one to
// three joined to it ("10 231" is 10231); `length` is how many bytes they took.
std::string LeadingNumber(std::string_view line, std::size_t& length) {
    const auto digits_in = [](std::string_view text) {
        return std::min(text.find_first_not_of("0123456789"), text.size());
    };
    length = digits_in(line);
    std::string number(line.substr(0, length));
    if (length == 0 || length > 3) return number;
    while (true) {
        const std::size_t separator = SeparatorLength(line.substr(length));
        const std::string_view rest = line.substr(length + separator);
        if (separator == 0 || digits_in(rest) != 3) return number;
        number.append(rest.substr(0, 3));
        length += separator + 3;
    }
}

// A draw number, which an ordinal's dot ("10231.") or a Hungarian suffix ("10231-es") may
// follow; none for a line that does not begin with one.
std::optional<std::string> ListedNumber(std::string_view line) {
    std::size_t length = 0;
    std::string number = LeadingNumber(line, length);
    std::string_view rest = line.substr(length);
    if (rest.starts_with('.')) rest.remove_prefix(1);
    const bool suffix =
        rest.size() > 1 && rest[0] == '-' && std::isalpha(static_cast<unsigned char>(rest[1]));
    if (number.empty() || !(EndsForm(rest) || suffix)) return std::nullopt;
    return number;
}

// The list's text as UTF-8 lines: UTF-16 decoded whole, any other text line by line, since a
// list edited in two programs may hold both UTF-8 and Windows-1250 lines.
std::string ListText(std::string_view bytes) {
    if (const std::optional<Utf16Layout> utf16 = Utf16LayoutOf(bytes)) {
        return Utf16ToUtf8(bytes.substr(utf16->mark_bytes), utf16->big_endian);
    }
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    return std::string(bytes);
}

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

ListedLine ReadListedLine(std::string_view line) {
    line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
    if (line.empty() || line[0] < '0' || line[0] > '9') return {};
    if (const std::optional<WrittenDate> written = ReadWrittenDate(line);
        written && EndsForm(line.substr(written->length))) {
        const sys_days first_draw =
            sys_days{DrawCalendar::kFirstPreviousDate} + std::chrono::days{1};
        return {
            sys_days{written->date} < first_draw ? ListedLine::kBeforeFirstDraw : ListedLine::kDay,
            0, written->date};
    }
    if (const std::optional<std::string> number = ListedNumber(line);
        number && number->size() <= kMaxDigits) {
        std::int64_t draw = 0;
        for (const char c : *number) draw = draw * 10 + (c - '0');
        if (draw > kHistoryItems) return {ListedLine::kDraw, draw};
    }
    if (const auto day = ReadDayFirstDate(line)) return {ListedLine::kDayFirst, 0, *day};
    return {ListedLine::kNeitherForm};
}

std::vector<std::filesystem::path> RestDayFilesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> lists;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string folded = FoldedName(PathText(entry->path().filename()));
        if (std::find(kRestDayListNames.begin(), kRestDayListNames.end(), folded) !=
            kRestDayListNames.end()) {
            lists.push_back(entry->path());
        }
    }
    std::sort(lists.begin(), lists.end());
    return lists;
}

RestDays::RestDays() : near_(static_cast<std::size_t>(kNearDraws)) {
    for (const std::int64_t draw : kKnownRestDays) Add(draw);
}

void RestDays::Add(std::int64_t draw) {
    if (draw < kNearDraws) {
        near_[static_cast<std::size_t>(draw)] = true;
        return;
    }
    const auto place = std::lower_bound(far_.begin(), far_.end(), draw);
    if (place == far_.end() || *place != draw) far_.insert(place, draw);
}

void RestDays::AddDay(int day) {
    const auto place = std::lower_bound(days_.begin(), days_.end(), day);
    if (place == days_.end() || *place != day) days_.insert(place, day);
}

bool RestDays::ContainsFar(std::int64_t draw) const {
    return std::binary_search(far_.begin(), far_.end(), draw);
}

const ListedEntry* RestDays::EntryOfDraw(std::int64_t draw) const {
    for (const auto& [listed, entry] : draw_entries_) {
        if (listed == draw) return &entries_[entry];
    }
    return nullptr;
}

const ListedEntry* RestDays::EntryOfDay(int day) const {
    for (const auto& [listed, entry] : day_entries_) {
        if (listed == day) return &entries_[entry];
    }
    return nullptr;
}

void RestDays::AddLine(std::string_view line, ListedEntry where, ListedFaults& faults) {
    const ListedLine listed = ReadListedLine(line);
    if (listed.kind == ListedLine::kNote) return;
    where.text = ShownText(line);
    if (listed.IsFault()) {
        if (faults.first) {
            ++faults.more;
        } else {
            faults.first = listed;
            faults.first_entry = std::move(where);
        }
        return;
    }
    if (listed.kind == ListedLine::kDraw) {
        if (!EntryOfDraw(listed.draw)) draw_entries_.emplace_back(listed.draw, entries_.size());
        Add(listed.draw);
    } else {
        const int day = static_cast<int>(sys_days{listed.day}.time_since_epoch().count());
        if (!EntryOfDay(day)) day_entries_.emplace_back(day, entries_.size());
        AddDay(day);
    }
    entries_.push_back(std::move(where));
}

ListedFaults RestDays::AddListed(std::string_view bytes, std::string_view list_name) {
    const std::string text = ListText(bytes);
    ListedFaults faults;
    std::string_view rest = text;
    for (int number = 1; !rest.empty(); ++number) {
        const std::size_t line_end = std::min(rest.find_first_of("\r\n"), rest.size());
        AddLine(TextToUtf8(rest.substr(0, line_end)), {std::string(list_name), number, {}}, faults);
        // CR LF is one line end, a lone CR or LF another.
        const bool cr_lf = rest.substr(line_end).starts_with("\r\n");
        rest.remove_prefix(std::min(line_end + (cr_lf ? 2 : 1), rest.size()));
    }
    return faults;
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
