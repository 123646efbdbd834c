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

TEST(RowList, NegativeFirstVisibleRowIsIgnoredAndClearResetsIt) {
    RowList rows;
    rows.SetFirstVisible(5);
    rows.SetFirstVisible(-3);
    EXPECT_EQ(rows.FirstVisible(), 5);
    rows.Clear();
    EXPECT_EQ(rows.FirstVisible(), 0);
    EXPECT_EQ(rows.Count(), 0);
}

}  // namespace
}  // namespace drawchk
