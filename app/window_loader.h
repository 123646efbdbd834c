#pragma once

#include <filesystem>
#include <optional>

namespace drawchk {

// Loads the window module beside the program and runs the window over the program's check;
// returns the program's exit status. A module that is missing, or built for another interface,
// is said in one line on stderr.
int RunWindow(const std::optional<std::filesystem::path>& program_folder, int argc, char** argv);

}  // namespace drawchk
