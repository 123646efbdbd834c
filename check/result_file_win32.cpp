#include <windows.h>

#include <iterator>

#include "result_file_platform.h"
#include "unique_file.h"

namespace drawchk::result_file {
namespace {

// The attributes that make a file refuse to be replaced; archive alone does not.
constexpr DWORD kProtection =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// Virus scanners, search indexers and sync clients open a new file for a moment; the replace
// is tried again while one of them may still hold it, with growing waits, about a second in
// all.
constexpr DWORD kReplaceWaitsMs[] = {10, 20, 40, 80, 160, 320, 370};

bool MayPass(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
           error == ERROR_LOCK_VIOLATION;
}

}  // namespace

NewFile WriteNewFile(const std::filesystem::path& temporary, std::string_view content) {
    // CREATE_NEW is exclusive, so two checks at once never share a temporary file.
    UniqueFile file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? NewFile::kNameTaken
                                                                           : NewFile::kNotCreated;
    }
    DWORD wrote = 0;
    const bool written = WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()),
                                   &wrote, nullptr) &&
                         wrote == content.size() && FlushFileBuffers(file.get());
    return file.Close() && written ? NewFile::kWritten : NewFile::kIncomplete;
}

bool ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& path) {
    // A read-only, hidden or system result would refuse to be replaced: its attributes are
    // reset first, and put back if it stays after all.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
    const bool reset = exists && (attributes & kProtection) != 0 &&
                       SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    for (std::size_t attempt = 0;; ++attempt) {
        if (MoveFileExW(temporary.c_str(), path.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        if (attempt == std::size(kReplaceWaitsMs) || !MayPass(GetLastError())) break;
        Sleep(kReplaceWaitsMs[attempt]);
    }
    if (reset) SetFileAttributesW(path.c_str(), attributes);
    return false;
}

}  // namespace drawchk::result_file
