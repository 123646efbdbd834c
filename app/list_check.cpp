#include "list_check.h"

namespace drawchk {

namespace {

// How many days before today the newest row is dated (below 0: after it); none where its date
// tells nothing: rows that stop short of the draw file's end, or that go out of place.
std::optional<int> NewestDrawAge(const CheckOutcome& outcome, const RowList& rows,
                                 const TodaySource& today) {
    if (outcome.draw_file != DrawFile::kRead || rows.FirstBreak() || !rows.NewestDate()) {
        return std::nullopt;
    }
    return static_cast<int>(
        (std::chrono::sys_days{today()} - std::chrono::sys_days{*rows.NewestDate()}).count());
}

}  // namespace

ListHint HintForList(const CheckOutcome& outcome, const RowList& rows, const TodaySource& today) {
    if (rows.Count() > 0) {
        if (outcome.draw_file == DrawFile::kUnreadable) return {ListHint::kReadPartly};
        ListHint hint;
        // Yesterday's draw may not be added yet, and today's may not be held yet.
        const std::optional<int> age = NewestDrawAge(outcome, rows, today);
        if (age && (*age >= 2 || *age < 0)) {
            hint.kind = *age < 0 ? ListHint::kNewestDrawAfterToday : ListHint::kNewestDrawOld;
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
                       const WeekdayLabels& labels, const TodaySource& today) {
    if (!program_folder) {
        rows.Clear();
        return {ListHint::kUnknownFolder};
    }
    return HintForList(RunCheck(*program_folder, rows, labels), rows, today);
}

}  // namespace drawchk
