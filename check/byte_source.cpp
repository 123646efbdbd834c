#include "byte_source.h"

#include <thread>
#include <utility>

#include "system_files.h"
#include "text_encoding.h"

namespace drawchk {

std::span<const char> MemorySource::NextChunk() { return std::exchange(bytes_, {}); }

std::span<const char> Utf8Source::NextChunk() {
    switch (text_) {
        case Text::kAsItIs:
            return bytes_.NextChunk();
        case Text::kUtf16:
            break;
        case Text::kNotYetKnown:
            return FirstChunk();
    }
    while (true) {
        const std::span<const char> chunk = bytes_.NextChunk();
        waiting_.append(chunk.data(), chunk.size());
        Decode(chunk.empty());
        if (!decoded_.empty() || chunk.empty()) return decoded_;
    }
}

std::span<const char> Utf8Source::FirstChunk() {
    // Enough to tell UTF-16 by its zeros, however small the chunks come.
    static constexpr std::size_t kTelling = 64;
    std::span<const char> chunk = bytes_.NextChunk();
    const bool tells = chunk.size() >= kTelling || chunk.empty();
    if (tells && !Utf16LayoutOf({chunk.data(), std::min(chunk.size(), kTelling)})) {
        text_ = Text::kAsItIs;
        return chunk;
    }
    std::string first(chunk.data(), chunk.size());
    while (first.size() < kTelling && !(chunk = bytes_.NextChunk()).empty()) {
        first.append(chunk.data(), chunk.size());
    }
    const std::optional<Utf16Layout> layout = Utf16LayoutOf(first);
    text_ = layout ? Text::kUtf16 : Text::kAsItIs;
    if (!layout) {
        decoded_ = std::move(first);
        return decoded_;
    }
    big_endian_ = layout->big_endian;
    waiting_ = first.substr(layout->mark_bytes);
    return Decode(false).empty() ? NextChunk() : decoded_;
}

std::span<const char> Utf8Source::Decode(bool ended) {
    std::size_t whole = ended ? waiting_.size() : waiting_.size() & ~std::size_t{1};
    // A high surrogate waits for the low one, which may come in the next chunk.
    if (!ended && whole >= 2) {
        const auto high = static_cast<unsigned char>(waiting_[whole - (big_endian_ ? 2 : 1)]);
        if (high >= 0xD8 && high <= 0xDB) whole -= 2;
    }
    decoded_ = Utf16ToUtf8(std::string_view(waiting_).substr(0, whole), big_endian_);
    waiting_.erase(0, whole);
    return decoded_;
}

FileOpen OpenWhileBusyWaiting(const std::function<FileOpen()>& open,
                              const std::function<void(std::chrono::milliseconds)>& wait) {
    FileOpen opened = FileOpen::kBusy;
    TryForASecond(
        [&] {
            opened = open();
            return opened != FileOpen::kBusy;
        },
        wait);
    return opened;
}

FileOpen FileSource::Open(const std::filesystem::path& path) {
    Close();
    path_ = path;
    const FileOpen opened = OpenWhileBusyWaiting(
        [&] { return system_files::OpenForReading(path, file_); },
        [](std::chrono::milliseconds pause) { std::this_thread::sleep_for(pause); });
    if (opened == FileOpen::kOpened) opened_ = system_files::StampOf(file_);
    return opened;
}

bool FileSource::Changed() const {
    return system_files::StampOf(file_) != opened_ || StampOf(path_) != opened_;
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
