// The window's entry point. It lives in a module of its own that the program loads only
// when it opens the window, so batch mode never loads Qt.
#include "window_module.h"

#include <QApplication>

#include "form1.h"

extern "C" Q_DECL_EXPORT int DrawchkRunWindow(int argc, char** argv, const char* program_folder) {
    QApplication app(argc, argv);
    Form1 form{std::filesystem::path(program_folder)};
    form.show();
    return QApplication::exec();
}
