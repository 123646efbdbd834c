#pragma once

#include <windows.h>

#include "unique_handle.h"

namespace drawchk {

struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle None() { return INVALID_HANDLE_VALUE; }
    static bool Close(Handle handle) { return CloseHandle(handle) != 0; }
};

// An open file as Windows hands it out: a handle.
using UniqueFile = UniqueHandle<FileHandleTraits>;

}  // namespace drawchk
