#include "byte_source.h"

#include <utility>

#include "system_file.h"

namespace drawchk {

std::span<const char> MemorySource::NextChunk() { return std::exchange(bytes_, {}); }

FileOpen FileSource::Open(const std::filesystem::path& path) {
    Close();
    return system_file::OpenForReading(path, file_);
}

void FileSource::Close() {
    if (file_ != system_file::kNone) system_file::Close(std::exchange(file_, system_file::kNone));
    read_failed_ = false;
}

std::span<const char> FileSource::NextChunk() {
    // After a failed read the file is not read on, so what follows it cannot pass for it.
    if (file_ == system_file::kNone || read_failed_) return {};
    if (!buffer_) buffer_ = std::make_unique<char[]>(kChunkBytes);
    const std::ptrdiff_t got = system_file::Read(file_, buffer_.get(), kChunkBytes);
    if (got < 0) read_failed_ = true;
    if (got <= 0) return {};
    return {buffer_.get(), static_cast<std::size_t>(got)};
}

}  // namespace drawchk
