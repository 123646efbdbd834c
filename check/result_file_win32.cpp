#include <windows.h>

#include "result_file_platform.h"

namespace drawchk::result_file {
namespace {

constexpr DWORD kProtection = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                              FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

}  // namespace

NewFile WriteNewFile(const std::filesystem::path& temporary, std::string_view content) {
    // CREATE_NEW is exclusive, so two checks at once never share a temporary file.
    const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? NewFile::kNameTaken
                                                                           : NewFile::kNotCreated;
    }
    DWORD wrote = 0;
    const bool written =
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &wrote, nullptr) &&
        wrote == content.size() && FlushFileBuffers(file);
    return CloseHandle(file) && written ? NewFile::kWritten : NewFile::kIncomplete;
}

bool ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& path) {
    // A read-only, hidden or system result would refuse to be replaced: its attributes are
    // reset first, and put back if it stays after all.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
    const bool reset = exists && (attributes & kProtection) != 0 &&
                       SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (MoveFileExW(temporary.c_str(), path.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    if (reset) SetFileAttributesW(path.c_str(), attributes);
    return false;
}

}  // namespace drawchk::result_file
