#include "written_date.h"

#include <gtest/gtest.h>

#include <string>

namespace drawchk {
namespace {

using namespace std::chrono_literals;

// The forms Hungarians write a day in, each read whole; and what is no such date.
TEST(WrittenDate, ReadsTheFormsHungariansWriteAndNothingElse) {
    struct Case {
        const char* text;
        std::optional<std::chrono::year_month_day> date;
        std::size_t length = 0;
        bool iso = false;
    };
    const Case cases[] = {
        {"2025-12-25", 2025y / 12 / 25, 10, true},
        {"2025.12.25.", 2025y / 12 / 25, 11},
        {"2025.12.25", 2025y / 12 / 25, 10},
        {"2025. 12. 25.", 2025y / 12 / 25, 13},
        {"  2025. 1. 5. vasárnap", 2025y / 1 / 5, 13},
        {"2025-1-5", 2025y / 1 / 5, 8},
        {"2025. december 25.", 2025y / 12 / 25, 18},
        {"2025. dec. 25.", 2025y / 12 / 25, 14},
        {"2025. DECEMBER 25", 2025y / 12 / 25, 17},
        {"2026. m\xC3\xA1rc. 15.", 2026y / 3 / 15, 16},
        {"2026. \xC3\x81PRILIS 1.", 2026y / 4 / 1, 17},
        {"2026. marcius 15.", 2026y / 3 / 15, 17},
        {"2025-12-25 20:00", 2025y / 12 / 25, 10, true},
        {"2025-13-45", std::nullopt},
        {"2025-02-30", std::nullopt},
        {"2025-12", std::nullopt},
        {"2025. ju 5.", std::nullopt},
        {"2025. dex 25.", std::nullopt},
        {"25.12.2025", std::nullopt},
        {"20251225", std::nullopt},
        {"2025", std::nullopt},
        {"10231", std::nullopt},
        {"karácsony", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<WrittenDate> read = ReadWrittenDate(c.text);
        ASSERT_EQ(read.has_value(), c.date.has_value()) << c.text;
        if (!read) continue;
        EXPECT_EQ(read->date, *c.date) << c.text;
        EXPECT_EQ(read->length, c.length) << c.text;
        EXPECT_EQ(read->iso, c.iso) << c.text;
    }
    // DRAWCHK_TODAY takes the strict form alone.
    EXPECT_EQ(ParseIsoDate("2025-08-30"), 2025y / 8 / 30);
    for (const char* text : {"2025-8-30", "2025.08.30.", " 2025-08-30", "2025-08-30 ", "x"}) {
        EXPECT_EQ(ParseIsoDate(text), std::nullopt) << text;
    }
    // A day written day first is known for what it means, so the user can be told the form.
    EXPECT_EQ(ReadDayFirstDate("25.12.2025"), 2025y / 12 / 25);
    EXPECT_EQ(ReadDayFirstDate("25. 12. 2025."), 2025y / 12 / 25);
    EXPECT_EQ(ReadDayFirstDate("2025.12.25"), std::nullopt);
}

}  // namespace
}  // namespace drawchk
