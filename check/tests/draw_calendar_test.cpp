#include "draw_calendar.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "draw_number.h"
#include "rest_days.h"

namespace drawchk {
namespace {

// Rows of a walk over the given items, in order.
std::vector<std::string> Walk(const std::vector<std::string>& items,
                              const WeekdayLabels& labels = kHungarianDayLabels) {
    const RestDays rest_days;
    DrawCalendar calendar(rest_days);
    std::vector<std::string> rows;
    std::string row;
    for (const std::string& item : items) {
        calendar.NextRow(item, labels, row);
        rows.push_back(row);
    }
    return rows;
}

TEST(DrawCalendar, DatesEveryDrawOfTheHistoryToItsRealDay) {
    std::vector<std::string> items;
    for (int draw = 5001; draw <= 10113; ++draw) items.push_back(std::to_string(draw) + " 1 2 3");
    const std::vector<std::string> rows = Walk(items);
    const std::map<int, std::string> expected = {
        {5001, "5001   2011-08-25  Cs"},  {5488, "5488   2012-12-24  H"},
        {5489, "5489   2012-12-26  Sze"}, {7679, "7679   2018-12-26  Sze"},
        {8043, "8043   2019-12-26  Cs"},  {9138, "9138   2022-12-25  V"},
        {9139, "9139   2022-12-27  K"},   {9140, "9140   2022-12-28  Sze"},
        {9501, "9501   2023-12-24  V"},   {9502, "9502   2023-12-26  K"},
        {9866, "9866   2024-12-24  K"},   {9867, "9867   2024-12-26  Cs"},
        {9999, "9999   2025-05-07  Sze"}, {10000, "10000   2025-05-08  Cs"},
        {10113, "10113   2025-08-29  P"},
    };
    for (const auto& [draw, row] : expected) EXPECT_EQ(rows[draw - 5001], row);
}

TEST(DrawCalendar, RestDayTestLooksAtTheNumberNotThePosition) {
    // Thursday, Friday, Saturday, then a rest-day number: the day without a draw is Sunday.
    EXPECT_EQ(Walk({"5001", "5002", "5003", "5489"}).back(), "5489   2011-08-29  H");
    // A doubled rest-day line adds the extra day twice.
    EXPECT_EQ(Walk({"9139", "9139"}),
              (std::vector<std::string>{"9139   2011-08-26  P", "9139   2011-08-28  V"}));
}

TEST(DrawCalendar, UsesTheLabelsItIsGiven) {
    const WeekdayLabels english = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    EXPECT_EQ(Walk({"5001", "5002", "5003", "5004"}, english).back(), "5004   2011-08-28  Sun");
}

struct NumberCase {
    const char* item;
    const char* text;
    std::int64_t value;
    bool rest_day;
};

void PrintTo(const NumberCase& c, std::ostream* out) { *out << '"' << c.item << '"'; }

class DrawNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(DrawNumber, TextValueAndRestDay) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(DrawNumberText(c.item), c.text);
    EXPECT_EQ(DrawNumberValue(DrawNumberText(c.item)), c.value);
    // A rest-day draw is dated two days after the start, any other one day.
    const std::string date = c.rest_day ? "2011-08-26" : "2011-08-25";
    EXPECT_EQ(Walk({c.item}).front(),
              std::string(c.text) + "   " + date + "  " + (c.rest_day ? "P" : "Cs"));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DrawNumber,
    ::testing::Values(
        NumberCase{"5489 1 2 3", "5489", 5489, true}, NumberCase{"5489x", "5489", 5489, true},
        NumberCase{"548", "548", 548, false}, NumberCase{"5 489", "5 48", 548, false},
        NumberCase{"", "", 0, false}, NumberCase{"abcdef", "abcd", 0, false},
        NumberCase{"10585 7 9", "10585", 10585, false}, NumberCase{"54890", "54890", 54890, false},
        NumberCase{"9502", "9502", 9502, true}, NumberCase{"9867", "9867", 9867, true},
        NumberCase{"1234567890123456789012345", "1234567890123456789012345", 1'000'000'000'000,
                   false}));

}  // namespace
}  // namespace drawchk
