#include <windows.h>

#include "system_file.h"
#include "unique_file.h"

namespace drawchk::system_file {

FileOpen OpenForReading(const std::filesystem::path& path, std::intptr_t& file) {
    // Sharing everything lets the program that keeps keno.old up to date hold it open.
    UniqueFile opened(CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!opened) {
        const DWORD error = GetLastError();
        if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) {
            return FileOpen::kBusy;
        }
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? FileOpen::kMissing
                   : FileOpen::kUnreadable;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(opened.get()) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(opened.get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return FileOpen::kUnreadable;
    }
    file = reinterpret_cast<std::intptr_t>(opened.release());
    return FileOpen::kOpened;
}

std::ptrdiff_t Read(std::intptr_t file, char* buffer, std::size_t size) {
    DWORD got = 0;
    if (!ReadFile(reinterpret_cast<HANDLE>(file), buffer, static_cast<DWORD>(size), &got,
                  nullptr)) {
        return -1;
    }
    return static_cast<std::ptrdiff_t>(got);
}

void Close(std::intptr_t file) { CloseHandle(reinterpret_cast<HANDLE>(file)); }

}  // namespace drawchk::system_file
