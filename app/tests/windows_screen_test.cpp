// Where a window could be seen on Windows. Under Wine a new window station has the flags it
// would have on Windows: a task that runs whether the user is logged on or not gets such a
// station, which no one sees.
#include <gtest/gtest.h>
#include <windows.h>

#include "screen.h"

namespace drawchk {
namespace {

TEST(WindowsScreen, AWindowStationNoOneSeesHasNoScreen) {
    EXPECT_TRUE(WindowCanBeSeen()) << "the interactive window station";
    const HWINSTA interactive = GetProcessWindowStation();
    const HWINSTA unseen = CreateWindowStationW(L"DrawchkUnseen", 0, WINSTA_ALL_ACCESS, nullptr);
    ASSERT_NE(unseen, nullptr) << GetLastError();
    ASSERT_TRUE(SetProcessWindowStation(unseen));
    const bool seen = WindowCanBeSeen();
    SetProcessWindowStation(interactive);
    CloseWindowStation(unseen);
    EXPECT_FALSE(seen);
}

}  // namespace
}  // namespace drawchk
