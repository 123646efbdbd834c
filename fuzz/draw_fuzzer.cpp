// Feeds arbitrary bytes through the reader and the calendar and checks what must hold for any
// draw file: bounded rows of the right shape, dates that only go forward, the same rows every
// time, and the same rows however the bytes are split into chunks.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include "chunked_source.h"
#include "draw_reader.h"
#include "run_check.h"

namespace {

using drawchk::RowList;

void Require(bool holds) {
    if (!holds) std::abort();
}

bool IsDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Checks one row's shape and returns its date text.
std::string_view CheckShape(std::string_view row) {
    const auto& labels = drawchk::kHungarianDayLabels;
    const auto label = std::find_if(labels.begin(), labels.end(), [&](const std::string& l) {
        return row.ends_with(l) && row.substr(0, row.size() - l.size()).ends_with("  ");
    });
    Require(label != labels.end());
    row.remove_suffix(label->size() + 2);
    Require(row.size() >= 13);
    const std::string_view date = row.substr(row.size() - 10);
    Require(IsDigits(date.substr(0, 4)) && date[4] == '-' && IsDigits(date.substr(5, 2)) &&
            date[7] == '-' && IsDigits(date.substr(8, 2)));
    row.remove_suffix(10);
    Require(row.ends_with("   "));
    Require(row.size() - 3 <= drawchk::DrawReader::kItemKeep);
    return date;
}

bool SameRows(const RowList& a, const RowList& b) {
    if (a.Count() != b.Count()) return false;
    for (int i = 0; i < a.Count(); ++i) {
        if (a.Text(i) != b.Text(i)) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const char> bytes(reinterpret_cast<const char*>(data), size);
    RowList rows;
    drawchk::MemorySource whole(bytes);
    drawchk::DateDraws(whole, rows, drawchk::kHungarianDayLabels, {}, 0);
    Require(rows.Count() <= RowList::kMaxRows);
    std::string_view previous_date;
    for (int i = 0; i < rows.Count(); ++i) {
        const std::string_view date = CheckShape(rows.Text(i));
        // ISO dates of equal length sort as text in date order.
        Require(date > previous_date);
        previous_date = date;
    }

    RowList again;
    const std::size_t piece = size == 0 ? 1 : 1 + data[0] % 7;
    drawchk::testing::ChunkedSource pieces(bytes, piece);
    drawchk::DateDraws(pieces, again, drawchk::kHungarianDayLabels, {}, 0);
    Require(SameRows(rows, again));
    return 0;
}
