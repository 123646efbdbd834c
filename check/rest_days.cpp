#include "rest_days.h"

#include <algorithm>
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

// UTF-16 text as the single bytes the list is read in: only digits, blanks and line ends
// matter, so any other character becomes a '?'.
std::string FromUtf16(std::string_view bytes, bool big_endian) {
    std::string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        const unsigned unit = big_endian ? first << 8 | second : second << 8 | first;
        text.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    }
    return text;
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

bool RestDays::ContainsFar(std::int64_t draw) const {
    return std::binary_search(far_.begin(), far_.end(), draw);
}

void RestDays::AddListed(std::string_view text) {
    if (text.starts_with(kLittleEndianMark) || text.starts_with(kBigEndianMark)) {
        const std::string narrow = FromUtf16(text.substr(2), text.starts_with(kBigEndianMark));
        AddListed(narrow);
        return;
    }
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    while (!text.empty()) {
        const std::size_t line_end = std::min(text.find_first_of("\r\n"), text.size());
        std::string_view line = text.substr(0, line_end);
        text.remove_prefix(std::min(line_end + 1, text.size()));
        line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
        const std::size_t digits = std::min(line.find_first_not_of("0123456789"), line.size());
        if (digits == 0 || digits > kMaxDigits) continue;
        std::int64_t draw = 0;
        for (const char c : line.substr(0, digits)) draw = draw * 10 + (c - '0');
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
