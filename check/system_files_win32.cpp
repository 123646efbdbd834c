#include <windows.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

#include "retry.h"
#include "system_files.h"

namespace drawchk {
namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsDriveLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

}  // namespace

std::filesystem::path FileCallPath(const std::filesystem::path& path) {
    const std::wstring& text = path.native();
    const bool drive =
        text.size() >= 3 && IsDriveLetter(text[0]) && text[1] == L':' && IsSeparator(text[2]);
    const bool unc = text.size() >= 3 && IsSeparator(text[0]) && IsSeparator(text[1]) &&
                     !IsSeparator(text[2]) && text[2] != L'?' && text[2] != L'.';
    if (!drive && !unc) return path;
    // The system does not tidy an extended-length path, so its separators must be its own.
    std::wstring tidy = text;
    std::replace(tidy.begin(), tidy.end(), L'/', L'\\');
    return drive ? L"\\\\?\\" + tidy : L"\\\\?\\UNC\\" + tidy.substr(2);
}

namespace system_files {
namespace {

// The attributes that make a file refuse to be replaced; archive alone does not.
constexpr DWORD kProtection =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// Virus scanners, search indexers and sync clients open a new file for a moment; the replace
// is tried again while one of them may still hold it, with growing waits, about a second in
// all.

// What the system's error code says of a failed write.
WriteFailure WhyNotWritten(DWORD error) {
    switch (error) {
        case ERROR_ACCESS_DENIED:
            return WriteFailure::kNoPermission;
        case ERROR_WRITE_PROTECT:
            return WriteFailure::kReadOnly;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return WriteFailure::kDiskFull;
        case ERROR_FILE_TOO_LARGE:
            return WriteFailure::kTooBig;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return WriteFailure::kHeld;
        default:
            return WriteFailure::kOther;
    }
}

bool MayPass(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
           error == ERROR_LOCK_VIOLATION;
}

}  // namespace

FileOpen OpenForReading(const std::filesystem::path& path, UniqueFile& file) {
    // Sharing everything lets the program that keeps keno.old up to date hold it open.
    UniqueFile opened(CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!opened) {
        const DWORD error = GetLastError();
        if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) {
            return FileOpen::kBusy;
        }
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return FileOpen::kMissing;
        }
        // A folder answers so too, which its caller tells apart.
        return error == ERROR_ACCESS_DENIED ? FileOpen::kNoPermission : FileOpen::kUnreadable;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(opened.get()) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(opened.get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return FileOpen::kUnreadable;
    }
    file = std::move(opened);
    return FileOpen::kOpened;
}

std::ptrdiff_t Read(const UniqueFile& file, char* buffer, std::size_t size) {
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, static_cast<DWORD>(size), &got, nullptr)) {
        return -1;
    }
    return static_cast<std::ptrdiff_t>(got);
}

NewFile WriteNewFile(const std::filesystem::path& temporary, std::string_view content,
                     WriteFailure& why) {
    // CREATE_NEW is exclusive, so two checks at once never share a temporary file.
    UniqueFile file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) return NewFile::kNameTaken;
        why = WhyNotWritten(error);
        return NewFile::kNotCreated;
    }
    DWORD wrote = 0;
    const bool written = WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()),
                                   &wrote, nullptr) &&
                         wrote == content.size() && FlushFileBuffers(file.get());
    if (!written) why = WhyNotWritten(GetLastError());
    if (!file.Close() && written) why = WhyNotWritten(GetLastError());
    return why == WriteFailure::kNone ? NewFile::kWritten : NewFile::kIncomplete;
}

WriteFailure ReplaceWith(const std::filesystem::path& temporary,
                         const std::filesystem::path& path) {
    // A read-only, hidden or system result would refuse to be replaced: its attributes are
    // reset first, and put back if it stays after all.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return WriteFailure::kFolderInTheWay;
    const bool reset = exists && (attributes & kProtection) != 0 &&
                       SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DWORD error = ERROR_SUCCESS;
    // A virus scanner or a viewer that holds the file lets go within about a second.
    const bool replaced = TryForASecond(
        [&] {
            if (MoveFileExW(temporary.c_str(), path.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
                error = ERROR_SUCCESS;
                return true;
            }
            error = GetLastError();
            // An error that waiting cannot mend ends the tries at once.
            return !MayPass(error);
        },
        [](std::chrono::milliseconds pause) { Sleep(static_cast<DWORD>(pause.count())); });
    if (replaced && error == ERROR_SUCCESS) return WriteFailure::kNone;
    if (reset) SetFileAttributesW(path.c_str(), attributes);
    // A file another program holds refuses to be replaced with a denied access.
    return exists && MayPass(error) ? WriteFailure::kHeld : WhyNotWritten(error);
}

}  // namespace system_files
}  // namespace drawchk
