#include "rest_days.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "byte_source.h"

namespace drawchk {
namespace {

// Days without a draw: 25 December 2012, 2018, 2019, 2023 and 2024, and 26 December 2022.
constexpr std::int64_t kKnownRestDays[] = {5489, 7679, 8043, 9139, 9502, 9867};
// A listed number longer than this is no draw number, and could overflow.
constexpr int kMaxDigits = 12;
// What Notepad may put in front of a UTF-8 file, and of a UTF-16 one, either way round.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLittleEndianMark = "\xFF\xFE";
constexpr std::string_view kBigEndianMark = "\xFE\xFF";

// The blanks that may group a number's digits by threes: a no-break space, in UTF-8 or in
// Windows-1250, and the narrow no-break space of Hungarian typesetting.
constexpr std::string_view kNoBreakSpaces[] = {"\xC2\xA0", "\xA0", "\xE2\x80\xAF"};

// UTF-16 text as the single bytes the list is read in: only digits, blanks and line ends
// matter, so a no-break space becomes a blank and any other character a '?'.
std::string FromUtf16(std::string_view bytes, bool big_endian) {
    std::string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        const unsigned unit = big_endian ? first << 8 | second : second << 8 | first;
        const bool blank = unit == 0xA0 || unit == 0x202F;
        text.push_back(unit < 0x80 ? static_cast<char>(unit) : blank ? ' ' : '?');
    }
    return text;
}

// Text without a byte-order mark is UTF-16 where every other byte is zero, or nearly every:
// text of digits and notes in any 8-bit encoding has no zero bytes at all. `first`: 1 where
// the zeros stand second (little endian), 0 where they stand first.
bool ZeroEvery(std::string_view text, std::size_t first) {
    const std::size_t looked_at = std::min<std::size_t>(text.size(), 64) & ~std::size_t{1};
    std::size_t zeros = 0;
    for (std::size_t i = 0; i < looked_at; ++i) {
        if (text[i] != '\0') continue;
        if (i % 2 != first) return false;
        ++zeros;
    }
    return looked_at > 0 && zeros * 4 >= looked_at * 3 / 2;
}

// The length of a blank or no-break space at the start of `text`; 0 for none.
std::size_t SeparatorLength(std::string_view text) {
    if (text.starts_with(' ')) return 1;
    for (const std::string_view space : kNoBreakSpaces) {
        if (text.starts_with(space)) return space.size();
    }
    return 0;
}

// The digits `line` begins with, with those grouped by threes after a first group of one to
// three joined to it ("10 231" is 10231); empty where it begins with no digit.
std::string LeadingNumber(std::string_view line) {
    const auto digits_in = [](std::string_view text) {
        return std::min(text.find_first_not_of("0123456789"), text.size());
    };
    std::size_t length = digits_in(line);
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

// A file name as the rest-day names are compared: its ASCII letters in lower case, and an
// ü however it is written as the one UTF-8 letter.
std::string FoldedName(std::string name) {
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const std::string_view other : {"u\xCC\x88", "\xC3\x9C"}) {
        for (std::size_t at = name.find(other); at != std::string::npos; at = name.find(other)) {
            name.replace(at, other.size(), "\xC3\xBC");
        }
    }
    return name;
}

}  // namespace

std::vector<std::filesystem::path> RestDayFilesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> lists;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::u8string name = entry->path().filename().u8string();
        const std::string folded = FoldedName({name.begin(), name.end()});
        if (folded == "szunnapok.txt" || folded == "sz\xC3\xBCnnapok.txt") {
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

bool RestDays::ContainsFar(std::int64_t draw) const {
    return std::binary_search(far_.begin(), far_.end(), draw);
}

void RestDays::AddListed(std::string_view text) {
    if (text.starts_with(kLittleEndianMark) || text.starts_with(kBigEndianMark)) {
        AddListed(FromUtf16(text.substr(2), text.starts_with(kBigEndianMark)));
        return;
    }
    if (ZeroEvery(text, 1) || ZeroEvery(text, 0)) {
        AddListed(FromUtf16(text, ZeroEvery(text, 0)));
        return;
    }
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    while (!text.empty()) {
        const std::size_t line_end = std::min(text.find_first_of("\r\n"), text.size());
        std::string_view line = text.substr(0, line_end);
        text.remove_prefix(std::min(line_end + 1, text.size()));
        line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
        const std::string digits = LeadingNumber(line);
        if (digits.empty() || digits.size() > kMaxDigits) continue;
        std::int64_t draw = 0;
        for (const char c : digits) draw = draw * 10 + (c - '0');
        Add(draw);
    }
}

void RestDays::AddListedIn(const std::filesystem::path& path) {
    FileSource file;
    if (file.Open(path) != FileOpen::kOpened) return;
    std::string text;
    // One byte past the bound tells a file that was cut from one that just fits.
    while (text.size() <= kListedBytes) {
        const std::span<const char> chunk = file.NextChunk();
        if (chunk.empty()) break;
        text.append(chunk.data(), std::min(chunk.size(), kListedBytes + 1 - text.size()));
    }
    if (file.ReadFailed()) return;
    if (text.size() > kListedBytes) {
        // A number cut at the bound would be another number.
        text.resize(kListedBytes);
        text.resize(std::min(text.find_last_of("\r\n") + 1, text.size()));
    }
    AddListed(text);
}

}  // namespace drawchk
