#include "check_table.h"

QStringList CheckTable::CheckedFiles() const {
    QStringList files;
    for (int index = 0; const char* file = services_.checked_file(services_.check, index);
         ++index) {
        files << QString::fromUtf8(file);
    }
    return files;
}

std::string_view CheckTable::RowText(int row) const {
    int length = 0;
    const char* bytes = services_.row_text(services_.check, row, &length);
    return {bytes, static_cast<std::size_t>(length)};
}
