#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "byte_source.h"

namespace drawchk {

// Splits the draw file into items. An item runs to the next comma or line end (CR, LF or
// CR LF), or, when it starts with a double quote, to the closing quote. Blanks (spaces and
// tabs) before an item are skipped, and a line with nothing on it is one empty item.
class DrawReader {
  public:
    // An item keeps only the bytes the check can show, so a huge line costs no memory.
    static constexpr std::size_t kItemKeep = 40;

    explicit DrawReader(ByteSource& source) : source_(source) {}

    // Reads the next item; false at the end of input, or when a read fails. `item` views at most
    // kItemKeep bytes and stays valid until the next read. Blanks that end the input with no line
    // end are not an item, and a quote that never closes runs to the end.
    bool ReadItem(std::string_view& item) { return Read(&item); }
    // Reads past the next item without keeping it; false at the end of input.
    bool SkipItem() { return Read(nullptr); }
    // Whether the input's last byte read was no line end: its last line is not ended.
    bool EndedInsideLine() const {
        return last_byte_ >= 0 && last_byte_ != '\n' && last_byte_ != '\r';
    }

  private:
    bool Read(std::string_view* item);
    // Makes at least one byte available; false at the end of input.
    bool Fill();
    // Reads up to and including the next comma or line end, keeping what fits in `item`;
    // false when the input ended first.
    bool TakeUntilDelimiter(std::string* item);
    // An unquoted item that ends, line end included, in the chunk it starts in, as a view of
    // the chunk; false, with nothing read, for one that does not.
    bool ReadWithinChunk(std::string_view* item);
    // A quoted item, from its opening quote, into `item` if it is given; false where the
    // input ends before its closing quote.
    bool TakeQuoted(std::string* item);

    ByteSource& source_;
    const char* pos_ = nullptr;
    const char* end_ = nullptr;
    bool ended_ = false;
    int last_byte_ = -1;  // of the chunks read so far; -1 for none
    // Holds an item that had to be gathered across chunks or out of quotes.
    std::string gathered_;
};

}  // namespace drawchk
