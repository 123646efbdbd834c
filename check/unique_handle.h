#pragma once

#include <utility>

namespace drawchk {

// A handle of the system's, closed when its owner goes. `Traits` names the handle's type, its
// value for none, and how it is closed; each system's own file says so for its files.
template <typename Traits>
class UniqueHandle {
  public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, Traits::None())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Close();
            handle_ = std::exchange(other.handle_, Traits::None());
        }
        return *this;
    }
    ~UniqueHandle() { Close(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::None(); }
    // Returns whether the handle closed cleanly, which for a written file means its data did.
    bool Close() {
        return handle_ == Traits::None() || Traits::Close(std::exchange(handle_, Traits::None()));
    }

  private:
    Handle handle_ = Traits::None();
};

}  // namespace drawchk
