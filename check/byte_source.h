#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "file_stamp.h"
#include "retry.h"
#include "system_files.h"
#include "unique_file.h"

namespace drawchk {

// Where the draw reader takes its bytes from: the draw file, or memory (tests, fuzzing).
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // The next run of bytes; empty at the end of input, after a failed read, or when not open.
    virtual std::span<const char> NextChunk() = 0;
    // Whether the input ended in a failed read rather than at its end.
    virtual bool ReadFailed() const { return false; }
};

// Hands out a block of memory that outlives the source.
class MemorySource : public ByteSource {
  public:
    explicit MemorySource(std::span<const char> bytes) : bytes_(bytes) {}
    std::span<const char> NextChunk() override;

  private:
    std::span<const char> bytes_;
};

// The text of another source as UTF-8 where it is UTF-16, as Notepad saves "Unicode", with or
// without a byte-order mark (see Utf16LayoutOf); any other text passes as it is, uncopied.
class Utf8Source : public ByteSource {
  public:
    // `bytes` must outlive this.
    explicit Utf8Source(ByteSource& bytes) : bytes_(bytes) {}
    std::span<const char> NextChunk() override;
    bool ReadFailed() const override { return bytes_.ReadFailed(); }

  private:
    enum class Text { kNotYetKnown, kAsItIs, kUtf16 };

    // Gathers the first bytes, enough to tell the text's encoding, and tells it.
    std::span<const char> FirstChunk();
    // Decodes the whole characters waiting, or, `ended`, all that waits.
    std::span<const char> Decode(bool ended);

    ByteSource& bytes_;
    Text text_ = Text::kNotYetKnown;
    bool big_endian_ = false;
    // UTF-16 bytes that wait for the rest of their character, then the chunk handed out.
    std::string waiting_;
    std::string decoded_;
};

// Opens through `open`, and while another program holds the file, waits through `wait` and
// tries again, about a second in all; the last outcome.
FileOpen OpenWhileBusyWaiting(const std::function<FileOpen()>& open,
                              const std::function<void(std::chrono::milliseconds)>& wait);

// Reads a file in fixed-size chunks, so memory stays small whatever the file holds.
class FileSource : public ByteSource {
  public:
    static constexpr std::size_t kChunkBytes = std::size_t{64} * 1024;

    FileSource() = default;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;
    ~FileSource() override { Close(); }

    // Only a regular file opens: a directory, FIFO or device would fail or block a read.
    // The file stays open to other readers and to the program that writes it. A file another
    // program holds without sharing it is waited for, about a second.
    FileOpen Open(const std::filesystem::path& path);
    // Harmless on a source that never opened.
    void Close();
    std::span<const char> NextChunk() override;
    bool ReadFailed() const override { return read_failed_; }
    // Whether the file changed since it was opened, or its path names another file now: it
    // was being written, or replaced, while it was read.
    bool Changed() const;

  private:
    std::filesystem::path path_;
    FileStamp opened_;
    UniqueFile file_;
    bool read_failed_ = false;
    std::unique_ptr<char[]> buffer_;
};

}  // namespace drawchk
