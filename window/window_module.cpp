// The window's entry point. It lives in a module of its own that the program loads only
// when it opens the window, so batch mode never loads Qt.
#include "window_module.h"

#include <QApplication>
#include <cstdio>

#include "form1.h"

namespace {

// Qt's own notes (a runtime folder it had to choose, a font it stood in for) are English words
// about Qt, not about the user's draws: they do not reach the terminal. What stops the window
// still does.
void KeepQtNotesQuiet(QtMsgType type, const QMessageLogContext& /*context*/, const QString& text) {
    if (type != QtCriticalMsg && type != QtFatalMsg) return;
    std::fprintf(stderr, "drawchk: Qt: %s\n", text.toLocal8Bit().constData());
}

}  // namespace

extern "C" Q_DECL_EXPORT int DrawchkWindowInterfaceVersion() {
    return DRAWCHK_WINDOW_INTERFACE_VERSION;
}

extern "C" Q_DECL_EXPORT int DrawchkRunWindow(int argc, char** argv,
                                              const DrawchkCheckServices* services) {
    qInstallMessageHandler(KeepQtNotesQuiet);
    QApplication app(argc, argv);
    Form1 form{*services};
    form.show();
    return QApplication::exec();
}
