#include "text_encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace drawchk {
namespace {

// Windows-1250's bytes from 0x80 up as Unicode; U+FFFD for the five it leaves undefined.
constexpr std::array<std::uint16_t, 128> kWindows1250 = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021, 0xFFFD, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

constexpr char32_t kReplacement = 0xFFFD;

void PutUtf8(char32_t code, std::string& out) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | code >> 6));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | code >> 12));
        out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | code >> 18));
        out.push_back(static_cast<char>(0x80 | (code >> 12 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

// The length of the UTF-8 sequence at the start of `text`, and its code point; 0 where the
// bytes there are no well-formed sequence (overlong forms and surrogates included).
std::size_t Utf8Sequence(std::string_view text, char32_t& code) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || text.size() < length) return 0;
    code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        code = code << 6 | (byte(i) & 0x3F);
    }
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

// Zeros where UTF-16 puts them: at every odd byte (`first` 1, little endian) or every even one.
bool ZeroEvery(std::string_view text, std::size_t first) {
    const std::size_t looked_at = std::min<std::size_t>(text.size(), 64) & ~std::size_t{1};
    std::size_t zeros = 0;
    for (std::size_t i = 0; i < looked_at; ++i) {
        if (text[i] != '\0') continue;
        if (i % 2 != first) return false;
        ++zeros;
    }
    // Nearly every other byte: text of digits and notes is mostly ASCII.
    return looked_at > 0 && zeros * 4 >= looked_at * 3 / 2;
}

}  // namespace

std::optional<Utf16Layout> Utf16LayoutOf(std::string_view start) {
    if (start.starts_with("\xFF\xFE")) return Utf16Layout{false, 2};
    if (start.starts_with("\xFE\xFF")) return Utf16Layout{true, 2};
    if (ZeroEvery(start, 1)) return Utf16Layout{false, 0};
    if (ZeroEvery(start, 0)) return Utf16Layout{true, 0};
    return std::nullopt;
}

std::string Utf16ToUtf8(std::string_view bytes, bool big_endian) {
    std::string text;
    text.reserve(bytes.size() / 2);
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return big_endian ? first << 8 | second : second << 8 | first;
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char32_t code = unit(i);
        if (code >= 0xD800 && code <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                PutUtf8(0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00), text);
                i += 2;
                continue;
            }
        }
        PutUtf8(code >= 0xD800 && code <= 0xDFFF ? kReplacement : code, text);
    }
    return text;
}

bool IsUtf8(std::string_view text) {
    char32_t code = 0;
    while (!text.empty()) {
        const std::size_t length = Utf8Sequence(text, code);
        if (length == 0) return false;
        text.remove_prefix(length);
    }
    return true;
}

std::string TextToUtf8(std::string_view bytes) {
    if (IsUtf8(bytes)) return std::string(bytes);
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        PutUtf8(byte < 0x80 ? byte : kWindows1250[byte - 0x80], text);
    }
    return text;
}

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

std::string ShownText(std::string_view bytes) {
    const std::string text = TextToUtf8(bytes);
    std::string shown;
    shown.reserve(text.size());
    char32_t code = 0;
    for (std::string_view rest = text; !rest.empty();) {
        const std::size_t length = Utf8Sequence(rest, code);
        // The line and paragraph separators break a line as a line end does.
        const bool control =
            code < 0x20 || (code >= 0x7F && code < 0xA0) || code == 0x2028 || code == 0x2029;
        if (control) {
            shown.push_back('?');
        } else {
            shown.append(rest.substr(0, length));
        }
        rest.remove_prefix(length);
    }
    return shown;
}

}  // namespace drawchk
