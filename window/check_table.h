#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

#include "window_module.h"

// The check the program hands the window, its C table behind a few C++ calls.
class CheckTable {
  public:
    // `services` must outlive the table.
    explicit CheckTable(const DrawchkCheckServices& services) : services_(services) {}

    // Empty where the program does not know its folder.
    QString ProgramFolder() const { return QString::fromUtf8(Call(services_.program_folder)); }
    // Runs a check into the rows and rewrites the result file; false where an automatic check
    // held its answer back until the files settle once more.
    bool Run(bool automatic) const { return services_.run_check(services_.check, automatic) != 0; }
    // The program folder, keno.old and the rest-day lists there now, which the window watches.
    QStringList WatchedPaths() const;
    // Whether the window checks again, woken by a new day or by the files settling.
    bool ChecksAgain(bool new_day) const {
        return services_.checks_again(services_.check, new_day ? 1 : 0) != 0;
    }
    int SettleMilliseconds() const { return services_.settle_milliseconds; }
    // When the newest row is judged again, in milliseconds since 1970 on the system clock.
    qint64 NewDayAt() const { return Call(services_.new_day_at); }

    int RowCount() const { return Call(services_.row_count); }
    // UTF-8, valid until the next call.
    std::string_view RowText(int row) const;
    bool RowOutOfPlace(int row) const {
        return services_.row_out_of_place(services_.check, row) != 0;
    }
    int FirstVisibleRow() const { return Call(services_.first_visible_row); }
    // What the list says besides its rows; empty for none.
    QString Hint() const { return QString::fromUtf8(Call(services_.hint)); }

  private:
    template <typename Result>
    Result Call(Result (*function)(void*)) const {
        return function(services_.check);
    }

    const DrawchkCheckServices& services_;
};
