#pragma once

#include <filesystem>
#include <string_view>

// The two steps of replacing the result file that each operating system does its own way.
namespace drawchk::result_file {

enum class NewFile { kNameTaken, kNotCreated, kIncomplete, kWritten };

// Creates `temporary`, which must not exist yet, writes `content` and flushes it to disk.
NewFile WriteNewFile(const std::filesystem::path& temporary, std::string_view content);

// Moves the written `temporary` over `path`, whatever protects the file there.
bool ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& path);

}  // namespace drawchk::result_file
