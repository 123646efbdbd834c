// A window module built for another interface version: were the program to run it, it would
// end with status 42 without a word.
#include "window_module.h"

extern "C" __attribute__((visibility("default"))) int DrawchkWindowInterfaceVersion() {
    return DRAWCHK_WINDOW_INTERFACE_VERSION + 1;
}

extern "C" __attribute__((visibility("default"))) int DrawchkRunWindow(
    int /*argc*/, char** /*argv*/, const DrawchkCheckServices* /*services*/) {
    return 42;
}
