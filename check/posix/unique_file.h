#pragma once

#include <unistd.h>

#include "unique_handle.h"

namespace drawchk {

struct FileDescriptorTraits {
    using Handle = int;
    static Handle None() { return -1; }
    static bool Close(Handle fd) { return ::close(fd) == 0; }
};

// An open file as POSIX hands it out: a descriptor.
using UniqueFile = UniqueHandle<FileDescriptorTraits>;

}  // namespace drawchk
