#include "draw_number.h"

#include <algorithm>

namespace drawchk {
namespace {

constexpr std::size_t kShortNumber = 4;
// Twelve digits lie far past any draw number and far below the limit of the type.
constexpr int kMaxDigits = 12;
constexpr std::int64_t kSaturated = 1'000'000'000'000;

}  // namespace

std::string_view DrawNumberText(std::string_view item) {
    const auto digits = static_cast<std::size_t>(
        std::find_if_not(item.begin(), item.end(), IsDigit) - item.begin());
    return item.substr(0, std::max(digits, kShortNumber));
}

std::int64_t DrawNumberValue(std::string_view number_text) {
    // Nearly every draw number is four plain digits.
    if (number_text.size() == kShortNumber &&
        std::all_of(number_text.begin(), number_text.end(), IsDigit)) {
        return ((number_text[0] - '0') * 10 + (number_text[1] - '0')) * 100 +
               (number_text[2] - '0') * 10 + (number_text[3] - '0');
    }
    std::int64_t value = 0;
    int digits = 0;
    for (const char c : number_text) {
        if (c == ' ' || c == '\t') continue;
        if (!IsDigit(c)) break;
        if (++digits > kMaxDigits) return kSaturated;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace drawchk
