#include "byte_source.h"

#include <utility>

namespace drawchk {

std::span<const char> MemorySource::NextChunk() { return std::exchange(bytes_, {}); }

}  // namespace drawchk
