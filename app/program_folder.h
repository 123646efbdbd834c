#pragma once

#include <filesystem>
#include <optional>

namespace drawchk {

// The folder that holds the program file that was started, as the operating system reports
// it: right also when the program was started through a link, through the dynamic loader or
// from another working folder. Empty when it cannot be known for sure: never a folder that
// merely happens to be current.
std::optional<std::filesystem::path> ProgramFolder();

}  // namespace drawchk
