#include "command_line.h"

#include <algorithm>

namespace drawchk {
namespace {

// Blanks are spaces and tabs, as in the draw file.
template <typename Char>
std::basic_string_view<Char> WithoutLeadingBlanks(std::basic_string_view<Char> text) {
    while (!text.empty() && (text.front() == Char{' '} || text.front() == Char{'\t'})) {
        text.remove_prefix(1);
    }
    return text;
}

}  // namespace

std::string ArgumentText(int argc, const char* const* argv) {
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) text.push_back(' ');
        text.append(argv[i]);
    }
    return std::string(WithoutLeadingBlanks(std::string_view(text)));
}

std::wstring_view ArgumentText(std::wstring_view command_line) {
    std::size_t rest = 0;
    if (command_line.starts_with(L'"')) {
        const std::size_t quote = command_line.find(L'"', 1);
        rest = quote == std::wstring_view::npos ? command_line.size() : quote + 1;
    } else {
        rest = std::min(command_line.find_first_of(L" \t"), command_line.size());
    }
    command_line.remove_prefix(rest);
    return WithoutLeadingBlanks(command_line);
}

bool IsBatchMode(std::string_view argument_text) { return argument_text == kBatchWord; }

bool IsBatchMode(std::wstring_view argument_text) {
    return std::equal(argument_text.begin(), argument_text.end(), kBatchWord.begin(),
                      kBatchWord.end(), [](wchar_t a, char b) { return a == wchar_t(b); });
}

}  // namespace drawchk
