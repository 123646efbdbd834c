#include "draw_reader.h"

#include <algorithm>
#include <bit>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace drawchk {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
// A lambda, not a function, so that std::find_if inlines it.
constexpr auto IsDelimiter = [](char c) { return c == ',' || c == '\r' || c == '\n'; };

void Keep(std::string* item, const char* begin, const char* end) {
    if (item == nullptr) return;
    const std::size_t room = DrawReader::kItemKeep - std::min(item->size(), DrawReader::kItemKeep);
    item->append(begin, std::min(static_cast<std::size_t>(end - begin), room));
}

// The first comma, CR or LF in [begin, end), or `end`: one pass, sixteen bytes at a time.
const char* FindDelimiter(const char* begin, const char* end) {
    const char* p = begin;
#ifdef __SSE2__
    const __m128i comma = _mm_set1_epi8(',');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; end - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i hits =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, comma), _mm_cmpeq_epi8(bytes, cr)),
                         _mm_cmpeq_epi8(bytes, lf));
        const auto mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
        if (mask != 0) return p + std::countr_zero(mask);
    }
#endif
    return std::find_if(p, end, IsDelimiter);
}

// memchr that answers `end` instead of null.
const char* Find(const char* begin, const char* end, char c) {
    const void* hit = std::memchr(begin, c, static_cast<std::size_t>(end - begin));
    return hit != nullptr ? static_cast<const char*>(hit) : end;
}

}  // namespace

bool DrawReader::Fill() {
    while (pos_ == end_) {
        // Reads after the end, as the history's count makes of a short file, ask no more.
        if (ended_) return false;
        const std::span<const char> chunk = source_.NextChunk();
        if (chunk.empty()) {
            ended_ = true;
            return false;
        }
        pos_ = chunk.data();
        end_ = pos_ + chunk.size();
        last_byte_ = static_cast<unsigned char>(chunk.back());
    }
    return true;
}

bool DrawReader::TakeUntilDelimiter(std::string* item) {
    while (Fill()) {
        const char* stop = FindDelimiter(pos_, end_);
        Keep(item, pos_, stop);
        pos_ = stop;
        if (stop == end_) continue;
        const char delimiter = *pos_++;
        if (delimiter == '\r' && Fill() && *pos_ == '\n') ++pos_;
        return true;
    }
    return false;
}

bool DrawReader::Read(std::string_view* item) {
    while (Fill() && IsBlank(*pos_)) ++pos_;
    if (!Fill()) return false;
    if (*pos_ != '"' && ReadWithinChunk(item)) return true;

    // The rest gathers the item, since the next chunk overwrites the current one.
    gathered_.clear();
    std::string* keep = item != nullptr ? &gathered_ : nullptr;
    const bool whole = *pos_ != '"' ? TakeUntilDelimiter(keep) : TakeQuoted(keep);
    // An item cut short by a failed read is no item: its read failed.
    if (!whole && source_.ReadFailed()) return false;
    if (item != nullptr) *item = gathered_;
    return true;
}

bool DrawReader::ReadWithinChunk(std::string_view* item) {
    // Most items end, line end included, inside the chunk they start in: a view of the chunk
    // then serves, with nothing copied.
    const char* stop = FindDelimiter(pos_, end_);
    if (end_ - stop < 2) return false;
    if (item != nullptr)
        *item = std::string_view(pos_, std::min<std::size_t>(stop - pos_, kItemKeep));
    pos_ = stop + 1;
    if (*stop == '\r' && *pos_ == '\n') ++pos_;
    return true;
}

bool DrawReader::TakeQuoted(std::string* item) {
    ++pos_;
    while (Fill()) {
        const char* quote = Find(pos_, end_, '"');
        Keep(item, pos_, quote);
        pos_ = quote;
        if (quote == end_) continue;
        ++pos_;
        // What stands between the closing quote and the next comma or line end is dropped.
        TakeUntilDelimiter(nullptr);
        return true;
    }
    return false;
}

}  // namespace drawchk
