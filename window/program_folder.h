#pragma once

#include <filesystem>

namespace drawchk {

// The folder that holds the running program, as the operating system reports it: right also
// when the program was started through a link or from another working folder. `argv0` is the
// fallback where the system cannot say.
std::filesystem::path ProgramFolder(const char* argv0);

}  // namespace drawchk
