#include "wording.h"

#include <cctype>
#include <vector>

#include "draw_calendar.h"
#include "text_encoding.h"

namespace drawchk {
namespace {

// A quoted text is cut to this many characters, so a line stays readable.
constexpr std::size_t kQuotedCharacters = 32;

}  // namespace

std::string WithArticle(std::int64_t number) {
    const std::string digits = std::to_string(number);
    const bool vowel = digits.front() == '5' || (digits.front() == '1' && digits.size() % 3 == 1);
    return (vowel ? "az " : "a ") + digits;
}

// `text`, fit to be shown, in Hungarian quotes; cut short with an ellipsis where it is long.
std::string Quoted(std::string_view text) {
    std::string shown = ShownText(text);
    std::size_t characters = 0;
    for (std::size_t at = 0; at < shown.size(); ++at) {
        const bool starts_character = (static_cast<unsigned char>(shown[at]) & 0xC0) != 0x80;
        if (starts_character && ++characters > kQuotedCharacters) {
            shown.resize(at);
            shown += "…";
            break;
        }
    }
    return "„" + shown + "”";
}

std::string QuotedPath(std::string_view path) {
    std::string shown = ShownText(path);
    // The end names the file; the start is cut at a character's first byte.
    constexpr std::size_t kKeptBytes = 120;
    if (shown.size() > kKeptBytes) {
        std::size_t from = shown.size() - kKeptBytes;
        while (from < shown.size() && (static_cast<unsigned char>(shown[from]) & 0xC0) == 0x80) {
            ++from;
        }
        shown = "…" + shown.substr(from);
    }
    return "„" + shown + "”";
}

std::string FileName(const std::filesystem::path& path) {
    return ShownText(PathText(path.filename()));
}

std::string Enumerated(std::span<const std::string> items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " és " : ", ";
        text += items[i];
    }
    return text;
}

std::string Bounded(std::span<const std::string> items, std::string_view more_of) {
    if (items.size() <= kNamedAtMost) return Enumerated(items);
    std::vector<std::string> named(items.begin(), items.begin() + kNamedAtMost);
    named.push_back("még " + std::to_string(items.size() - kNamedAtMost) + std::string(more_of));
    return Enumerated(named);
}

std::string Capitalized(std::string text) {
    if (!text.empty()) {
        text.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
    }
    return text;
}

std::string QuotedNames(std::span<const MisnamedFile> files) {
    std::vector<std::string> names;
    for (const MisnamedFile& file : files) names.push_back(Quoted(file.name));
    return Enumerated(names);
}

std::string OnDay(std::chrono::year_month_day date) {
    const auto day = static_cast<unsigned>(date.day());
    // The ordinals that end in a back vowel: második, harmadik, hatodik, nyolcadik,
    // huszadik, harmincadik, and those ending in them (but tizenkettedik, huszonkettedik).
    const unsigned last = day % 10;
    const bool back = day == 2 || day == 20 || day == 30 || last == 3 || last == 6 || last == 8;
    return DateText(date) + (day == 1 ? "-jén" : back ? "-án" : "-én");
}

}  // namespace drawchk
