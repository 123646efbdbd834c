#pragma once

#include <algorithm>
#include <cstddef>
#include <limits>
#include <span>
#include <string_view>

#include "byte_source.h"

namespace drawchk::testing {

// Hands out its bytes in pieces of a fixed size, so every delimiter falls on a chunk boundary
// for some size, and counts how many pieces it was asked for. Given `fail_at`, its reads fail
// from the piece that would reach that byte on, as a disk or network drive may.
class ChunkedSource : public ByteSource {
  public:
    static constexpr std::size_t kNeverFails = std::numeric_limits<std::size_t>::max();

    ChunkedSource(std::span<const char> bytes, std::size_t piece, std::size_t fail_at = kNeverFails)
        : bytes_(bytes), piece_(std::max<std::size_t>(piece, 1)), fail_at_(fail_at) {}
    ChunkedSource(std::string_view bytes, std::size_t piece, std::size_t fail_at = kNeverFails)
        : ChunkedSource(std::span<const char>(bytes.data(), bytes.size()), piece, fail_at) {}

    std::span<const char> NextChunk() override {
        const std::span<const char> chunk = bytes_.first(std::min(piece_, bytes_.size()));
        if (!chunk.empty() && read_ + chunk.size() > fail_at_) failed_ = true;
        if (failed_) return {};
        bytes_ = bytes_.subspan(chunk.size());
        read_ += chunk.size();
        if (!chunk.empty()) ++chunks_;
        return chunk;
    }
    bool ReadFailed() const override { return failed_; }
    int chunks() const { return chunks_; }

  private:
    std::span<const char> bytes_;
    std::size_t piece_;
    std::size_t fail_at_;
    std::size_t read_ = 0;
    bool failed_ = false;
    int chunks_ = 0;
};

}  // namespace drawchk::testing
