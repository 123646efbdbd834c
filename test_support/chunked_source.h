#pragma once

#include <algorithm>
#include <cstddef>
#include <span>
#include <string_view>

#include "byte_source.h"

namespace drawchk::testing {

// Hands out its bytes in pieces of a fixed size, so every delimiter falls on a chunk boundary
// for some size, and counts how many pieces it was asked for.
class ChunkedSource : public ByteSource {
  public:
    ChunkedSource(std::span<const char> bytes, std::size_t piece)
        : bytes_(bytes), piece_(std::max<std::size_t>(piece, 1)) {}
    ChunkedSource(std::string_view bytes, std::size_t piece)
        : ChunkedSource(std::span<const char>(bytes.data(), bytes.size()), piece) {}

    std::span<const char> NextChunk() override {
        const std::span<const char> chunk = bytes_.first(std::min(piece_, bytes_.size()));
        bytes_ = bytes_.subspan(chunk.size());
        if (!chunk.empty()) ++chunks_;
        return chunk;
    }
    int chunks() const { return chunks_; }

  private:
    std::span<const char> bytes_;
    std::size_t piece_;
    int chunks_ = 0;
};

}  // namespace drawchk::testing
