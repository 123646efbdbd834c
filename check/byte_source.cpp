#include "byte_source.h"

#include <thread>
#include <utility>

#include "system_files.h"

namespace drawchk {

std::span<const char> MemorySource::NextChunk() { return std::exchange(bytes_, {}); }

FileOpen OpenWhileBusyWaiting(const std::function<FileOpen()>& open,
                              const std::function<void(std::chrono::milliseconds)>& wait) {
    // Growing waits: a short save is over at once, a long one is not waited out for long.
    static constexpr std::chrono::milliseconds kWaits[] = {
        std::chrono::milliseconds(10),  std::chrono::milliseconds(20),
        std::chrono::milliseconds(40),  std::chrono::milliseconds(80),
        std::chrono::milliseconds(160), std::chrono::milliseconds(320),
        std::chrono::milliseconds(370)};
    FileOpen opened = open();
    for (const std::chrono::milliseconds pause : kWaits) {
        if (opened != FileOpen::kBusy) break;
        wait(pause);
        opened = open();
    }
    return opened;
}

FileOpen FileSource::Open(const std::filesystem::path& path) {
    Close();
    return OpenWhileBusyWaiting(
        [&] { return system_files::OpenForReading(path, file_); },
        [](std::chrono::milliseconds pause) { std::this_thread::sleep_for(pause); });
}

void FileSource::Close() {
    file_.Close();
    read_failed_ = false;
}

std::span<const char> FileSource::NextChunk() {
    // After a failed read the file is not read on, so what follows it cannot pass for it.
    if (!file_ || read_failed_) return {};
    // Left unfilled: every byte handed out is read into it first.
    if (!buffer_) buffer_ = std::make_unique_for_overwrite<char[]>(kChunkBytes);
    const std::ptrdiff_t got = system_files::Read(file_, buffer_.get(), kChunkBytes);
    if (got < 0) read_failed_ = true;
    if (got <= 0) return {};
    return {buffer_.get(), static_cast<std::size_t>(got)};
}

}  // namespace drawchk
