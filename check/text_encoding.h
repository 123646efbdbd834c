#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The encodings a user's text files come in: UTF-8, Windows-1250 ("ANSI" on a Hungarian
// Windows) and UTF-16 (Notepad's "Unicode"), and text made fit to be shown in one line.
namespace drawchk {

// How a file's bytes are UTF-16, told by its byte-order mark or, without one, by every other
// byte being zero, which text of digits and notes in any 8-bit encoding never has.
struct Utf16Layout {
    bool big_endian = false;
    std::size_t mark_bytes = 0;  // the byte-order mark, 2 or none
};
// `start`: the file's first bytes (64 are enough); none where the text is not UTF-16.
std::optional<Utf16Layout> Utf16LayoutOf(std::string_view start);

// Whole UTF-16 code units as UTF-8; a lone surrogate becomes U+FFFD. An odd last byte is
// left for the caller, who may have more to come.
std::string Utf16ToUtf8(std::string_view bytes, bool big_endian);

bool IsUtf8(std::string_view text);

// Text as UTF-8: already UTF-8 as it is, otherwise read as Windows-1250.
std::string TextToUtf8(std::string_view bytes);

// A path as UTF-8 text, as every message and the window's table take it.
std::string PathText(const std::filesystem::path& path);

// Text fit to stand inside one line of a message: UTF-8 as above, with every control
// character (a line end, a tab, an escape) shown as '?'.
std::string ShownText(std::string_view bytes);

}  // namespace drawchk
