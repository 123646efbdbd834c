#include "check_table.h"

QStringList CheckTable::WatchedPaths() const {
    QStringList paths;
    for (int index = 0; const char* path = services_.watched_path(services_.check, index);
         ++index) {
        paths << QString::fromUtf8(path);
    }
    return paths;
}

std::string_view CheckTable::RowText(int row) const {
    int length = 0;
    const char* bytes = services_.row_text(services_.check, row, &length);
    return {bytes, static_cast<std::size_t>(length)};
}
