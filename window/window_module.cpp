// The window's entry point. It lives in a module of its own that the program loads only
// when it opens the window, so batch mode never loads Qt.
#include "window_module.h"

#include <QApplication>

#include "form1.h"

extern "C" Q_DECL_EXPORT int DrawchkWindowInterfaceVersion() {
    return DRAWCHK_WINDOW_INTERFACE_VERSION;
}

extern "C" Q_DECL_EXPORT int DrawchkRunWindow(int argc, char** argv,
                                              const DrawchkCheckServices* services) {
    QApplication app(argc, argv);
    Form1 form{*services};
    form.show();
    return QApplication::exec();
}
