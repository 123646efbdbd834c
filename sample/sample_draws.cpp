#include "sample_draws.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <random>

namespace drawchk {

std::string SampleDraws(int first, int last) {
    // A fixed seed and a generator whose output the standard defines keep the file stable.
    std::mt19937 random(20110825);
    std::array<int, 80> pool{};
    std::string text;
    text.reserve(static_cast<std::size_t>(std::max(0, last - first + 1)) * 70);
    for (int draw = first; draw <= last; ++draw) {
        std::iota(pool.begin(), pool.end(), 1);
        // A partial Fisher-Yates shuffle by hand: std::shuffle differs between libraries.
        for (int i = 0; i < 20; ++i) {
            const auto pick = i + static_cast<int>(random() % static_cast<unsigned>(80 - i));
            std::swap(pool[i], pool[pick]);
        }
        std::sort(pool.begin(), pool.begin() + 20);
        text += std::to_string(draw);
        for (int i = 0; i < 20; ++i) text += ' ' + std::to_string(pool[i]);
        text += "\r\n";
    }
    return text;
}

}  // namespace drawchk
