#pragma once

#include <chrono>
#include <functional>

namespace drawchk {

// Tries `once` again while it fails, after growing waits through `wait`, about a second in
// all: for a file another program holds, or one that changes while it is read, and for the
// result file's replace. Returns whether it succeeded.
bool TryForASecond(const std::function<bool()>& once,
                   const std::function<void(std::chrono::milliseconds)>& wait);

}  // namespace drawchk
