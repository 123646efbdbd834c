#include "row_list.h"

#include <gtest/gtest.h>

#include <string>

namespace drawchk {
namespace {

TEST(RowList, KeepsRowsInAppendOrderAndAnswersEmptyOutsideThem) {
    RowList rows;
    ASSERT_TRUE(rows.Append("b"));
    ASSERT_TRUE(rows.Append(""));
    ASSERT_TRUE(rows.Append("a"));
    EXPECT_EQ(rows.Count(), 3);
    EXPECT_EQ(rows.Text(0), "b");
    EXPECT_EQ(rows.Text(1), "");
    EXPECT_EQ(rows.Text(2), "a");
    EXPECT_EQ(rows.Text(-1), "");
    EXPECT_EQ(rows.Text(3), "");
}

// A second check over a mended file must not still say where the first one broke.
TEST(RowList, KeepsTheFirstBreakUntilCleared) {
    RowList rows;
    rows.SetFirstVisible(5);
    rows.NoteBreak({1, 7, 6, "7"});
    rows.NoteBreak({2, 8, 7, "8"});
    EXPECT_EQ(rows.FirstBreak(), (FileBreak{1, 7, 6, "7"}));
    rows.Clear();
    EXPECT_EQ(rows.FirstVisible(), 0);
    EXPECT_EQ(rows.Count(), 0);
    EXPECT_FALSE(rows.FirstBreak());
}

}  // namespace
}  // namespace drawchk
