#pragma once

#include <filesystem>
#include <optional>

// The window module's entry point: runs the window over `program_folder`, null where the
// folder is not known, until it is closed, and returns the program's exit status.
extern "C" int DrawchkRunWindow(int argc, char** argv, const char* program_folder);
// The build the window module comes from; the program runs only a module of its own build.
extern "C" const char* DrawchkBuildIdentity();

namespace drawchk {

inline constexpr const char* kRunWindowName = "DrawchkRunWindow";
inline constexpr const char* kBuildIdentityName = "DrawchkBuildIdentity";

// Loads the window module of the program's own build, from beside the program or else from
// the installed program folder, and runs the window; says why on stderr and returns 1 when
// there is none to load.
int RunWindow(const std::optional<std::filesystem::path>& program_folder, int argc, char** argv);

}  // namespace drawchk
