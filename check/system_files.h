#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

#include "file_stamp.h"
#include "unique_file.h"

// Every call on a file that each system makes its own way, one file per system behind this
// header: system_files_posix.cpp and system_files_win32.cpp. The seam declares its own types
// and depends on nothing above it.
namespace drawchk {

// How an open of a file for reading ended. kBusy: another program holds it without sharing
// it, as one saving it or a backup may.
enum class FileOpen { kOpened, kMissing, kUnreadable, kNoPermission, kBusy };

// Why a file could not be written, as the system tells it: the folder may not be written to
// by this user, the drive is read-only or full, a file-size limit, a folder of the file's
// name, another program holding the file, or anything else.
enum class WriteFailure {
    kNone,
    kNoPermission,
    kReadOnly,
    kDiskFull,
    kTooBig,
    kFolderInTheWay,
    kHeld,
    kOther,
};

// `path` in the form the system's file calls take whatever its length. On Windows an
// absolute path gets the extended-length form (\\?\C:\..., \\?\UNC\server\share\...), which
// the 260-character limit does not apply to; a relative path, or one already in a device or
// extended form, stays as it is. Elsewhere every path stays as it is.
std::filesystem::path FileCallPath(const std::filesystem::path& path);

namespace system_files {

// Opens `path` for reading into `file` where it is a regular file.
FileOpen OpenForReading(const std::filesystem::path& path, UniqueFile& file);
// The open file as it is now.
FileStamp StampOf(const UniqueFile& file);
// Reads up to `size` bytes: how many, 0 at the end, -1 for a failed read.
std::ptrdiff_t Read(const UniqueFile& file, char* buffer, std::size_t size);

enum class NewFile { kNameTaken, kNotCreated, kIncomplete, kWritten };

// Creates `temporary`, which must not exist yet, writes `content` and flushes it to disk;
// where it fails, `why` says why.
NewFile WriteNewFile(const std::filesystem::path& temporary, std::string_view content,
                     WriteFailure& why);
// Moves the written `temporary` over `path`, whatever protects the file there; kNone once it
// is in place.
WriteFailure ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& path);

}  // namespace system_files
}  // namespace drawchk
