#include "list_check.h"

namespace drawchk {

std::optional<int> NewestDrawAge(const CheckOutcome& outcome, const RowList& rows,
                                 std::chrono::year_month_day today) {
    if (outcome.draw_file != DrawFile::kRead || rows.FirstBreak() || !rows.NewestDate()) {
        return std::nullopt;
    }
    return static_cast<int>(
        (std::chrono::sys_days{today} - std::chrono::sys_days{*rows.NewestDate()}).count());
}

ListHint HintForList(const CheckOutcome& outcome, const RowList& rows,
                     std::chrono::year_month_day today) {
    if (rows.Count() > 0) {
        if (outcome.draw_file == DrawFile::kUnreadable) return {ListHint::kReadPartly};
        // Yesterday's draw may not be added yet, and today's may not be held yet.
        const std::optional<int> age = NewestDrawAge(outcome, rows, today);
        if (age && *age < 0) return {ListHint::kNewestDrawAfterToday};
        ListHint hint;
        if (age && *age >= 2) {
            hint.kind = ListHint::kNewestDrawOld;
            hint.days_old = *age;
        }
        return hint;
    }
    switch (outcome.draw_file) {
        case DrawFile::kMissing:
            if (!outcome.misnamed_draw_file.empty()) {
                return {ListHint::kMisnamedDrawFile, outcome.misnamed_draw_file};
            }
            return {ListHint::kNoDrawFile};
        case DrawFile::kUnreadable:
            return {ListHint::kUnreadableDrawFile};
        case DrawFile::kBusy:
            return {ListHint::kBusyDrawFile};
        case DrawFile::kRead:
            break;
    }
    return {ListHint::kNoDrawAfterHistory};
}

ListHint CheckIntoList(const std::optional<std::filesystem::path>& program_folder, RowList& rows,
                       const WeekdayLabels& labels, std::chrono::year_month_day today) {
    if (!program_folder) {
        rows.Clear();
        return {ListHint::kUnknownFolder};
    }
    return HintForList(RunCheck(*program_folder, rows, labels), rows, today);
}

}  // namespace drawchk
