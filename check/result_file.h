#pragma once

#include <filesystem>
#include <string_view>

#include "system_files.h"

namespace drawchk {

// Replaces the file at `path` with `line` followed by CR LF. The text goes to a new file in
// the same folder first, which is flushed to disk and renamed over the old one: a reader sees
// the old result or the new one, never a part, and a failed write leaves the old one as it
// was. A link at `path` is replaced, not written through; the new file has the permissions
// of any newly created file. Returns kNone where the new result is in place, else why not.
WriteFailure ReplaceResultFile(const std::filesystem::path& path, std::string_view line);

}  // namespace drawchk
