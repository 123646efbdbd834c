#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

// The reader of a written date's parts, one after the other, which written_date.cpp uses.
namespace drawchk::date_cursor {

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
        std::size_t end = at_;
        const std::string folded = FoldedWord(end);
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
    // The letters from here on, lower case and without their accents; `end` is moved past them.
    std::string FoldedWord(std::size_t& end) const {
        std::string folded;
        for (end = at_; end < text_.size();) {
            const char c = text_[end];
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
                folded.push_back(static_cast<char>(c | 0x20));
                ++end;
                continue;
            }
            const auto accented = std::find_if(
                std::begin(kAccented), std::end(kAccented),
                [&](const Accented& a) { return text_.substr(end).starts_with(a.bytes); });
            if (accented == std::end(kAccented)) break;
            folded.push_back(accented->letter);
            end += accented->bytes.size();
        }
        return folded;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace drawchk::date_cursor
