#include "rest_days.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "text_encoding.h"

namespace drawchk {
namespace {

using std::chrono::sys_days;

// Days without a draw: 25 December 2012, 2018, 2019, 2023 and 2024, and 26 December 2022.
constexpr std::int64_t kKnownRestDays[] = {5489, 7679, 8043, 9139, 9502, 9867};
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The list's text as UTF-8 lines: UTF-16 decoded whole, any other text line by line, since a
// list edited in two programs may hold both UTF-8 and Windows-1250 lines.
std::string ListText(std::string_view bytes) {
    if (const std::optional<Utf16Layout> utf16 = Utf16LayoutOf(bytes)) {
        return Utf16ToUtf8(bytes.substr(utf16->mark_bytes), utf16->big_endian);
    }
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    return std::string(bytes);
}

}  // namespace

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
        where.draw = listed.draw;
    } else {
        const int day = static_cast<int>(sys_days{listed.day}.time_since_epoch().count());
        if (!EntryOfDay(day)) day_entries_.emplace_back(day, entries_.size());
        AddDay(day);
        where.day = day;
    }
    entries_.push_back(std::move(where));
}

ListedFaults RestDays::AddListed(std::string_view bytes, std::string_view list_name) {
    const std::string text = ListText(bytes);
    ListedFaults faults;
    std::string_view rest = text;
    for (int number = 1; !rest.empty(); ++number) {
        const std::size_t line_end = std::min(rest.find_first_of("\r\n"), rest.size());
        ListedEntry where;
        where.list = list_name;
        where.line = number;
        AddLine(TextToUtf8(rest.substr(0, line_end)), std::move(where), faults);
        // CR LF is one line end, a lone CR or LF another.
        const bool cr_lf = rest.substr(line_end).starts_with("\r\n");
        rest.remove_prefix(std::min(line_end + (cr_lf ? 2 : 1), rest.size()));
    }
    return faults;
}

}  // namespace drawchk
