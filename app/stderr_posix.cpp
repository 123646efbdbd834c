#include <unistd.h>

#include "messages.h"

namespace drawchk {

void SayOnStderr(std::string_view line) {
    while (!line.empty()) {
        const ssize_t wrote = ::write(STDERR_FILENO, line.data(), line.size());
        if (wrote <= 0) return;
        line.remove_prefix(static_cast<std::size_t>(wrote));
    }
}

}  // namespace drawchk
