#pragma once

#include <string>
#include <string_view>

namespace drawchk {

// The word that runs one check without a window, for scheduled jobs.
inline constexpr std::string_view kBatchWord = "Frissit";

// The command line after the program name as one text, leading blanks (spaces and tabs)
// removed. POSIX hands
// the program its arguments one by one, so they are joined by single blanks.
std::string ArgumentText(int argc, const char* const* argv);

// The same from the raw command line Windows hands a program: the program name is skipped
// by the rule Windows itself uses (a quoted name runs to the next quote, any other to the
// first blank), and nothing else is split or unquoted.
std::wstring_view ArgumentText(std::wstring_view command_line);

// Batch mode is the batch word alone, exactly as written.
bool IsBatchMode(std::string_view argument_text);
bool IsBatchMode(std::wstring_view argument_text);

}  // namespace drawchk
