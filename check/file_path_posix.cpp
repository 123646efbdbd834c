#include "file_path.h"

namespace drawchk {

std::filesystem::path FileCallPath(const std::filesystem::path& path) { return path; }

}  // namespace drawchk
