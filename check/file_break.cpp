#include "file_break.h"

#include <algorithm>
#include <string_view>

#include "draw_number.h"

namespace drawchk {

FileBreak::Kind FileBreak::What() const {
    const std::string_view number = DrawNumberText(text);
    if (number.empty() || !std::all_of(number.begin(), number.end(), IsDigit)) {
        return Kind::kNotADraw;
    }
    if (draw == previous_draw) return Kind::kDoubled;
    // A number far from its place is no draw of this file, but a typo or other text.
    if (draw > expected_draw + kMostMissing || draw < expected_draw - kMostMissing) {
        return Kind::kNotADraw;
    }
    if (draw == expected_draw + 1 && next_draw == expected_draw) return Kind::kSwapped;
    return draw > expected_draw ? Kind::kMissing : Kind::kOutOfOrder;
}

}  // namespace drawchk
