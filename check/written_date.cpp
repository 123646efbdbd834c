#include "written_date.h"

#include <array>
#include <string>

namespace drawchk {
namespace {

using std::chrono::year_month_day;

// The months' Hungarian names, without their accents.
constexpr std::array<std::string_view, 12> kMonthNames = {
    "januar", "februar",   "marcius",    "aprilis", "majus",    "junius",
    "julius", "augusztus", "szeptember", "oktober", "november", "december"};
// A name cut shorter than this could be more than one month ("ju", "ma").
constexpr std::size_t kShortestMonthName = 3;

// The accented letters of Hungarian in UTF-8, each with the letter it folds to.
struct Accented {
    std::string_view bytes;
    char letter;
};
constexpr Accented kAccented[] = {
    {"\xC3\xA1", 'a'}, {"\xC3\x81", 'a'}, {"\xC3\xA9", 'e'}, {"\xC3\x89", 'e'}, {"\xC3\xAD", 'i'},
    {"\xC3\x8D", 'i'}, {"\xC3\xB3", 'o'}, {"\xC3\x93", 'o'}, {"\xC3\xB6", 'o'}, {"\xC3\x96", 'o'},
    {"\xC5\x91", 'o'}, {"\xC5\x90", 'o'}, {"\xC3\xBA", 'u'}, {"\xC3\x9A", 'u'}, {"\xC3\xBC", 'u'},
    {"\xC3\x9C", 'u'}, {"\xC5\xB1", 'u'}, {"\xC5\xB0", 'u'}};

// Reads a date's parts one after the other.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) {}

    std::size_t position() const { return at_; }
    void SkipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
    }
    bool Take(char c) {
        if (at_ >= text_.size() || text_[at_] != c) return false;
        ++at_;
        return true;
    }
    // A run of `least` to `most` digits, and no more of them; how many it took go to `width`.
    std::optional<unsigned> Number(std::size_t least, std::size_t most, std::size_t* width = {}) {
        std::size_t end = at_;
        unsigned value = 0;
        while (end < text_.size() && text_[end] >= '0' && text_[end] <= '9' && end - at_ <= most) {
            value = value * 10 + static_cast<unsigned>(text_[end++] - '0');
        }
        if (end - at_ < least || end - at_ > most) return std::nullopt;
        if (width != nullptr) *width = end - at_;
        at_ = end;
        return value;
    }
    // A month's name, whole or cut short: its number, 1 for January.
    std::optional<unsigned> MonthName() {
        std::string folded;
        std::size_t end = at_;
        while (end < text_.size()) {
            const char c = text_[end];
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
                folded.push_back(static_cast<char>(c | 0x20));
                ++end;
                continue;
            }
            const Accented* accented = nullptr;
            for (const Accented& a : kAccented) {
                if (text_.substr(end).starts_with(a.bytes)) accented = &a;
            }
            if (accented == nullptr) break;
            folded.push_back(accented->letter);
            end += accented->bytes.size();
        }
        if (folded.size() < kShortestMonthName) return std::nullopt;
        for (unsigned month = 0; month < kMonthNames.size(); ++month) {
            if (kMonthNames[month].starts_with(folded)) {
                at_ = end;
                return month + 1;
            }
        }
        return std::nullopt;
    }

  private:
    std::string_view text_;
    std::size_t at_ = 0;
};

std::optional<year_month_day> DateOf(std::optional<unsigned> year, std::optional<unsigned> month,
                                     std::optional<unsigned> day) {
    if (!year || !month || !day) return std::nullopt;
    const year_month_day date{std::chrono::year{static_cast<int>(*year)},
                              std::chrono::month{*month}, std::chrono::day{*day}};
    if (!date.ok()) return std::nullopt;
    return date;
}

// The month and day after "YYYY.": "12. 25.", "12.25", "december 25.", "dec. 25.".
std::optional<year_month_day> DottedRest(Cursor& at, unsigned year) {
    at.SkipBlanks();
    std::optional<unsigned> month = at.Number(1, 2);
    if (month) {
        if (!at.Take('.')) return std::nullopt;
    } else {
        month = at.MonthName();
        if (!month) return std::nullopt;
        at.Take('.');
    }
    at.SkipBlanks();
    const std::optional<unsigned> day = at.Number(1, 2);
    at.Take('.');
    return DateOf(year, month, day);
}

}  // namespace

std::optional<WrittenDate> ReadWrittenDate(std::string_view text) {
    Cursor at(text);
    at.SkipBlanks();
    const std::optional<unsigned> year = at.Number(4, 4);
    if (!year) return std::nullopt;
    if (at.Take('-')) {
        std::size_t month_width = 0;
        std::size_t day_width = 0;
        const std::optional<unsigned> month = at.Number(1, 2, &month_width);
        if (!month || !at.Take('-')) return std::nullopt;
        const std::optional<unsigned> day = at.Number(1, 2, &day_width);
        const std::optional<year_month_day> date = DateOf(year, month, day);
        if (!date) return std::nullopt;
        return WrittenDate{*date, at.position(), month_width == 2 && day_width == 2};
    }
    if (!at.Take('.')) return std::nullopt;
    const std::optional<year_month_day> date = DottedRest(at, *year);
    if (!date) return std::nullopt;
    return WrittenDate{*date, at.position(), false};
}

std::optional<year_month_day> ParseIsoDate(std::string_view text) {
    const std::optional<WrittenDate> written = ReadWrittenDate(text);
    if (!written || !written->iso || written->length != text.size() || text.front() == ' ' ||
        text.front() == '\t') {
        return std::nullopt;
    }
    return written->date;
}

std::optional<year_month_day> ReadDayFirstDate(std::string_view text) {
    Cursor at(text);
    at.SkipBlanks();
    const std::optional<unsigned> day = at.Number(1, 2);
    for (const char separator : {'.', '-', '/'}) {
        Cursor rest = at;
        if (!day || !rest.Take(separator)) continue;
        rest.SkipBlanks();
        const std::optional<unsigned> month = rest.Number(1, 2);
        if (!month || !rest.Take(separator)) continue;
        rest.SkipBlanks();
        return DateOf(rest.Number(4, 4), month, day);
    }
    return std::nullopt;
}

}  // namespace drawchk
