#pragma once

#include <unistd.h>

#include <utility>

namespace drawchk {

// A file descriptor, closed when its owner goes.
class UniqueFile {
  public:
    UniqueFile() = default;
    explicit UniqueFile(int fd) : fd_(fd) {}
    UniqueFile(UniqueFile&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFile& operator=(UniqueFile&& other) noexcept {
        if (this != &other) {
            Close();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    ~UniqueFile() { Close(); }

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // Returns whether the file closed cleanly, which for a written file means its data did.
    bool Close() { return fd_ < 0 || ::close(std::exchange(fd_, -1)) == 0; }

  private:
    int fd_ = -1;
};

}  // namespace drawchk
