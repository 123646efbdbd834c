#include "draw_reader.h"

#include <algorithm>
#include <cstring>

namespace drawchk {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void Keep(std::string* item, const char* begin, const char* end) {
    if (item == nullptr) return;
    const std::size_t room = DrawReader::kItemKeep - std::min(item->size(), DrawReader::kItemKeep);
    item->append(begin, std::min(static_cast<std::size_t>(end - begin), room));
}

// memchr that answers `end` instead of null.
const char* Find(const char* begin, const char* end, char c) {
    const void* hit = std::memchr(begin, c, static_cast<std::size_t>(end - begin));
    return hit != nullptr ? static_cast<const char*>(hit) : end;
}

}  // namespace

bool DrawReader::Fill() {
    while (pos_ == end_) {
        const std::span<const char> chunk = source_.NextChunk();
        if (chunk.empty()) return false;
        pos_ = chunk.data();
        end_ = pos_ + chunk.size();
        next_comma_ = next_cr_ = next_lf_ = nullptr;
    }
    return true;
}

const char* DrawReader::FindDelimiter() {
    // Each remembered hit stays valid until the reader passes it, so no byte is searched twice.
    for (auto [next, c] : {std::pair{&next_comma_, ','}, {&next_cr_, '\r'}, {&next_lf_, '\n'}}) {
        if (*next == nullptr || *next < pos_) *next = Find(pos_, end_, c);
    }
    return std::min({next_comma_, next_cr_, next_lf_});
}

void DrawReader::TakeUntilDelimiter(std::string* item) {
    while (Fill()) {
        const char* stop = FindDelimiter();
        Keep(item, pos_, stop);
        pos_ = stop;
        if (stop == end_) continue;
        const char delimiter = *pos_++;
        if (delimiter == '\r' && Fill() && *pos_ == '\n') ++pos_;
        return;
    }
}

bool DrawReader::ReadItem(std::string& item) {
    item.clear();
    while (Fill() && IsBlank(*pos_)) ++pos_;
    if (!Fill()) return false;

    if (*pos_ != '"') {
        TakeUntilDelimiter(&item);
        return true;
    }
    ++pos_;
    while (Fill()) {
        const char* quote = Find(pos_, end_, '"');
        Keep(&item, pos_, quote);
        pos_ = quote;
        if (quote == end_) continue;
        ++pos_;
        // What stands between the closing quote and the next comma or line end is dropped.
        TakeUntilDelimiter(nullptr);
        break;
    }
    return true;
}

}  // namespace drawchk
