#include <dlfcn.h>

#include <string>
#include <string_view>
#include <vector>

#include "messages.h"
#include "window_module.h"

namespace drawchk {
namespace {

using RunWindowFunction = decltype(&DrawchkRunWindow);
using BuildIdentityFunction = decltype(&DrawchkBuildIdentity);

int CannotOpenWindow(const std::string& why) {
    SayOnStderr(WindowNotOpenedLine(why));
    return 1;
}

}  // namespace

int RunWindow(const std::optional<std::filesystem::path>& program_folder, int argc, char** argv) {
    // A copy of the program in another folder checks that folder's draw file with the
    // window of the installed program.
    std::vector<std::filesystem::path> folders;
    if (program_folder) folders.push_back(*program_folder);
    folders.emplace_back(DRAWCHK_INSTALLED_FOLDER);

    std::string looked_in;
    for (const std::filesystem::path& folder : folders) {
        const std::filesystem::path module = folder / DRAWCHK_WINDOW_MODULE;
        looked_in += (looked_in.empty() ? "" : " vagy ") + folder.string();
        std::error_code error;
        if (!std::filesystem::exists(module, error)) continue;
        // The module stays loaded until the program ends; Qt does not expect to be unloaded.
        void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) return CannotOpenWindow(dlerror());
        // A module of another build may date differently, or have another entry: it counts as
        // none.
        auto identity = reinterpret_cast<BuildIdentityFunction>(dlsym(handle, kBuildIdentityName));
        if (identity == nullptr || std::string_view(identity()) != DRAWCHK_BUILD_IDENTITY) continue;
        auto run = reinterpret_cast<RunWindowFunction>(dlsym(handle, kRunWindowName));
        if (run == nullptr) return CannotOpenWindow(NoWindowInModule(module.string()));
        const std::string folder_text = program_folder ? program_folder->string() : "";
        return run(argc, argv, program_folder ? folder_text.c_str() : nullptr);
    }
    return CannotOpenWindow(NoWindowModuleIn(DRAWCHK_WINDOW_MODULE, looked_in));
}

}  // namespace drawchk
