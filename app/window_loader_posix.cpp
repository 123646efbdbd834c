#include <dlfcn.h>

#include <optional>
#include <string>
#include <string_view>

#include "messages.h"
#include "window_check.h"
#include "window_loader.h"
#include "window_table.h"

namespace drawchk {
namespace {

using InterfaceVersionFunction = decltype(&DrawchkWindowInterfaceVersion);
using RunWindowFunction = decltype(&DrawchkRunWindow);

int CannotOpenWindow(const std::string& why) {
    SayOnStderr(WindowNotOpenedLine(why));
    return 1;
}

// The folder the module lies in: beside the program, as built, installed and downloaded.
// Where the program folder is not known, the path the program was started by names it, if it
// has a folder in it, and the window opens to say the folder is not known; a bare name would
// have the loader search the system for a module.
std::optional<std::filesystem::path> ModuleFolder(
    const std::optional<std::filesystem::path>& program_folder, const char* started_as) {
    if (program_folder) return program_folder;
    if (std::string_view(started_as).find('/') == std::string_view::npos) return std::nullopt;
    return std::filesystem::path(started_as).parent_path();
}

}  // namespace

int RunWindow(const std::optional<std::filesystem::path>& program_folder, int argc, char** argv) {
    const auto folder = ModuleFolder(program_folder, argv[0]);
    if (!folder) return CannotOpenWindow(ListHint(ListHint::kUnknownFolder).Text());
    const std::filesystem::path module = *folder / DRAWCHK_WINDOW_MODULE;
    std::error_code error;
    if (!std::filesystem::exists(module, error)) {
        return CannotOpenWindow(NoWindowModuleIn(DRAWCHK_WINDOW_MODULE, folder->string()));
    }
    // The module stays loaded until the program ends; Qt does not expect to be unloaded.
    void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        return CannotOpenWindow(WindowModuleNotLoaded(DRAWCHK_WINDOW_MODULE, dlerror()));
    // A module built for another table would call it wrongly: it counts as none.
    auto version =
        reinterpret_cast<InterfaceVersionFunction>(dlsym(handle, "DrawchkWindowInterfaceVersion"));
    if (version == nullptr || version() != DRAWCHK_WINDOW_INTERFACE_VERSION) {
        return CannotOpenWindow(NoWindowModuleIn(DRAWCHK_WINDOW_MODULE, folder->string()));
    }
    auto run = reinterpret_cast<RunWindowFunction>(dlsym(handle, "DrawchkRunWindow"));
    if (run == nullptr) return CannotOpenWindow(NoWindowInModule(module.string()));
    WindowCheck check(program_folder);
    const WindowTable table(check);
    return run(argc, argv, &table.Services());
}

}  // namespace drawchk
