// The window's entry point. It lives in a module of its own that the program loads only
// when it opens the window, so batch mode never loads Qt.
#include "window_module.h"

#include <QApplication>
#include <optional>

#include "form1.h"

extern "C" Q_DECL_EXPORT const char* DrawchkBuildIdentity() { return DRAWCHK_BUILD_IDENTITY; }

extern "C" Q_DECL_EXPORT int DrawchkRunWindow(int argc, char** argv, const char* program_folder) {
    QApplication app(argc, argv);
    std::optional<std::filesystem::path> folder;
    if (program_folder != nullptr) folder = program_folder;
    Form1 form{folder};
    form.show();
    return QApplication::exec();
}
