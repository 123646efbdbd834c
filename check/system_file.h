#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "byte_source.h"

// The calls on a file that each system makes its own way, for FileSource: one file per system.
namespace drawchk::system_file {

inline constexpr std::intptr_t kNone = -1;

// Opens `path` for reading into `file` where it is a regular file.
FileOpen OpenForReading(const std::filesystem::path& path, std::intptr_t& file);
// Reads up to `size` bytes: how many, 0 at the end, -1 for a failed read.
std::ptrdiff_t Read(std::intptr_t file, char* buffer, std::size_t size);
void Close(std::intptr_t file);

}  // namespace drawchk::system_file
