#include "row_list.h"

#include <utility>

namespace drawchk {

void RowList::Clear() {
    text_.clear();
    ends_.clear();
    out_of_place_.clear();
    first_break_.reset();
    newest_date_.reset();
    first_visible_ = 0;
    // Room for a full list of usual rows from the start: the system hands out the pages only
    // as rows reach them, and no growth copies the rows already there.
    text_.reserve(std::size_t{kMaxRows} * kUsualRowBytes);
    ends_.reserve(kMaxRows);
    out_of_place_.reserve(kMaxRows);
}

bool RowList::Append(std::string_view text, bool out_of_place) {
    if (Count() >= kMaxRows) return false;
    text_.append(text);
    ends_.push_back(text_.size());
    out_of_place_.push_back(out_of_place ? 1 : 0);
    return true;
}

std::string_view RowList::Text(int row) const {
    if (row < 0 || row >= Count()) return {};
    const std::size_t begin = row == 0 ? 0 : ends_[row - 1];
    return std::string_view(text_).substr(begin, ends_[row] - begin);
}

bool RowList::OutOfPlace(int row) const {
    return row >= 0 && row < Count() && out_of_place_[static_cast<std::size_t>(row)] != 0;
}

void RowList::NoteBreak(FileBreak at) {
    if (!first_break_) first_break_ = std::move(at);
}

void RowList::NoteAfterBreak(std::int64_t draw) {
    if (first_break_ && !first_break_->next_draw) first_break_->next_draw = draw;
}

void RowList::SetFirstVisible(int row) {
    if (row >= 0) first_visible_ = row;
}

}  // namespace drawchk
