#include <QApplication>
#include <csignal>

#include "form1.h"
#include "program_folder.h"
#include "start_up.h"

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // A file-size limit must fail the result file's write, not kill the program mid-way.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    const std::filesystem::path program_folder = drawchk::ProgramFolder(argv[0]);
    // Batch mode is decided before anything of Qt exists, so it needs no display at all.
    if (drawchk::IsBatchMode(drawchk::ArgumentText(argc, argv))) {
        return drawchk::RunBatch(program_folder);
    }
    QApplication app(argc, argv);
    Form1 form(program_folder);
    form.show();
    return QApplication::exec();
}
