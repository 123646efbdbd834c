#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "file_names.h"

// How the program's words name numbers, texts, files and days in Hungarian.
namespace drawchk {

// "a" or "az" before a number written in digits, as the number is read out: "az" before
// one that starts with a vowel (egy, öt, ezer, egymillió...).
std::string WithArticle(std::int64_t number);
// `text`, fit to be shown, in Hungarian quotes; cut short with an ellipsis where it is long.
std::string Quoted(std::string_view text);
// A path or a link's target, fit to be shown, in Hungarian quotes; a long one keeps its end,
// which names the file, so that a line stays short.
std::string QuotedPath(std::string_view path);
// On Windows, how to see a name's extension, which Explorer hides, as a sentence after a space;
// empty elsewhere.
std::string_view HiddenExtensionsTip();
// A file's name, fit to be shown.
std::string FileName(const std::filesystem::path& path);
// "a", "a és b", "a, b és c".
std::string Enumerated(std::span<const std::string> items);
// At most kNamedAtMost of `items` enumerated, and how many more: "a, b, c és még 27" followed
// by `more_of`, as in " napon". A list of any length stays one short line.
inline constexpr std::size_t kNamedAtMost = 3;
std::string Bounded(std::span<const std::string> items, std::string_view more_of);
// `text` with its first letter, an ASCII one, in capitals.
std::string Capitalized(std::string text);
// "„a”", "„a” és „b”", "„a”, „b” és „c”".
std::string QuotedNames(std::span<const MisnamedFile> files);
// A date with the suffix Hungarian gives "on" a day, as the day's ordinal is read out:
// 2026-03-01-jén (elsején), 2026-03-15-én (tizenötödikén), 2026-03-16-án (tizenhatodikán).
std::string OnDay(std::chrono::year_month_day date);

}  // namespace drawchk
