#include <windows.h>

#include <utility>

#include "byte_source.h"

namespace drawchk {

FileOpen FileSource::Open(const std::filesystem::path& path) {
    Close();
    // Sharing everything lets the program that keeps keno.old up to date hold it open.
    UniqueFile file(CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? FileOpen::kMissing
                   : FileOpen::kUnreadable;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file.get()) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(file.get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return FileOpen::kUnreadable;
    }
    file_ = std::move(file);
    return FileOpen::kOpened;
}

void FileSource::Close() {
    file_.Close();
    read_failed_ = false;
}

std::span<const char> FileSource::NextChunk() {
    // After a failed read the file is not read on, so what follows it cannot pass for it.
    if (!file_ || read_failed_) return {};
    if (!buffer_) buffer_ = std::make_unique<char[]>(kChunkBytes);
    DWORD got = 0;
    if (!ReadFile(file_.get(), buffer_.get(), static_cast<DWORD>(kChunkBytes), &got, nullptr)) {
        read_failed_ = true;
        return {};
    }
    return {buffer_.get(), static_cast<std::size_t>(got)};
}

}  // namespace drawchk
