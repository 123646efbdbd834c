#pragma once

#include <filesystem>

namespace drawchk {

// `path` in the form the system's file calls take whatever its length. On Windows an
// absolute path gets the extended-length form (\\?\C:\..., \\?\UNC\server\share\...), which
// the 260-character limit does not apply to; a relative path, or one already in a device or
// extended form, stays as it is. Elsewhere every path stays as it is.
std::filesystem::path FileCallPath(const std::filesystem::path& path);

}  // namespace drawchk
