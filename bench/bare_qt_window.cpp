// The floor for the window's start: a bare Qt widget, shown at once; with --text, one that
// shows a line of text, which is what brings in the system's font configuration.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(203, 306);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        auto* label = new QLabel("Ellenőrzés", &window);
        label->move(48, 224);
    }
    window.show();
    return QApplication::exec();
}
