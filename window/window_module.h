#pragma once

#include <filesystem>

// The window module's entry point: runs the window over `program_folder` until it is closed
// and returns the program's exit status.
extern "C" int DrawchkRunWindow(int argc, char** argv, const char* program_folder);

namespace drawchk {

inline constexpr const char* kRunWindowName = "DrawchkRunWindow";

// Loads the window module from `program_folder` and runs the window; says so on stderr and
// returns 1 when the module cannot be loaded.
int RunWindow(const std::filesystem::path& program_folder, int argc, char** argv);

}  // namespace drawchk
