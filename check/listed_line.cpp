#include "listed_line.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "draw_number.h"
#include "written_date.h"

namespace drawchk {
namespace {

using std::chrono::sys_days;

// A listed number longer than this is no draw number, and could overflow.
constexpr std::size_t kMaxDigits = 12;
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
        return static_cast<std::size_t>(std::find_if_not(text.begin(), text.end(), IsDigit) -
                                        text.begin());
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

}  // namespace

ListedLine ReadListedLine(std::string_view line) {
    line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
    if (line.empty() || !IsDigit(line[0])) return {};
    if (const std::optional<WrittenDate> written = ReadWrittenDate(line);
        written && EndsForm(line.substr(written->length))) {
        const sys_days first_draw = sys_days{kLastHistoryDate} + std::chrono::days{1};
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

}  // namespace drawchk
