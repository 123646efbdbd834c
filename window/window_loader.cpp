#include <cstdio>
#include <string>

#include "window_module.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace drawchk {
namespace {

using RunWindowFunction = decltype(&DrawchkRunWindow);

int CannotLoad(const std::filesystem::path& module, const std::string& why) {
    std::fprintf(stderr, "drawchk: cannot open the window: %s: %s\n", module.string().c_str(),
                 why.c_str());
    return 1;
}

}  // namespace

int RunWindow(const std::filesystem::path& program_folder, int argc, char** argv) {
    const std::filesystem::path module = program_folder / DRAWCHK_WINDOW_MODULE;
#ifdef _WIN32
    HMODULE handle = LoadLibraryW(module.c_str());
    if (handle == nullptr) return CannotLoad(module, "not loadable");
    auto run = reinterpret_cast<RunWindowFunction>(GetProcAddress(handle, kRunWindowName));
    if (run == nullptr) return CannotLoad(module, "no window entry point");
#else
    // The module stays loaded until the program ends; Qt does not expect to be unloaded.
    void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return CannotLoad(module, dlerror());
    auto run = reinterpret_cast<RunWindowFunction>(dlsym(handle, kRunWindowName));
    if (run == nullptr) return CannotLoad(module, "no window entry point");
#endif
    return run(argc, argv, program_folder.string().c_str());
}

}  // namespace drawchk
