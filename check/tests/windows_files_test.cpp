// How the check meets Windows files: attributes, sharing, wide names. Under Wine these run
// against Wine's file system layer, which follows Windows in each of them.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "result_file.h"
#include "run_check.h"
#include "system_files.h"
#include "temp_folder.h"
#include "unique_file.h"

namespace drawchk {
namespace {

using testing::NumberedLines;
using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

UniqueFile OpenShared(const std::filesystem::path& path, DWORD access, DWORD share) {
    return UniqueFile(CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

TEST(WindowsResultFile, ResetsReadOnlyHiddenAndSystemAttributesAndReplacesTheFile) {
    for (const DWORD protection :
         {FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN,
          FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY}) {
        TempFolder folder("drawchk Győző");
        const auto result = folder / "Drawchk.txt";
        WriteFile(result, "an older result\r\n");
        ASSERT_TRUE(SetFileAttributesW(result.c_str(), protection));
        EXPECT_EQ(ReplaceResultFile(result, "10113   2025-08-29  P"), WriteFailure::kNone)
            << protection;
        EXPECT_EQ(ReadFile(result), "10113   2025-08-29  P\r\n");
        const DWORD attributes = GetFileAttributesW(result.c_str());
        EXPECT_EQ(
            attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
            0u);
        EXPECT_EQ(testing::NamesIn(folder.path()), std::vector<std::string>{"Drawchk.txt"});
    }
}

TEST(WindowsDrawFile, ReadsWhileItsWriterHoldsItOpen) {
    TempFolder folder("drawchk Kenó");
    WriteFile(folder / "keno.old", NumberedLines(5003));
    const UniqueFile writer = OpenShared(folder / "keno.old", GENERIC_READ | GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(writer);
    RowList rows;
    const CheckOutcome outcome = RunCheck(folder.path(), rows, kHungarianDayLabels);
    EXPECT_EQ(outcome.draw_file, DrawFile::kRead);
    EXPECT_EQ(rows.Count(), 3);
    EXPECT_EQ(ReadFile(folder / "Drawchk.txt"), "5003   2011-08-27  Szo\r\n");
}

// Windows without long-path awareness stops at 260 characters unless a path has the
// extended-length form; Wine has no such limit, so the form itself is what is tested here.
TEST(FileCallPath, GivesAbsolutePathsTheExtendedLengthFormAndLeavesTheRest) {
    const std::pair<std::wstring, std::wstring> paths[] = {
        {L"C:\\Ken\u00f3 programok\\keno.old", L"\\\\?\\C:\\Ken\u00f3 programok\\keno.old"},
        {L"c:/drawchk/Drawchk.txt", L"\\\\?\\c:\\drawchk\\Drawchk.txt"},
        {L"\\\\server\\share\\keno.old", L"\\\\?\\UNC\\server\\share\\keno.old"},
        {L"\\\\?\\C:\\drawchk\\keno.old", L"\\\\?\\C:\\drawchk\\keno.old"},
        {L"\\\\?\\UNC\\server\\share\\x", L"\\\\?\\UNC\\server\\share\\x"},
        {L"\\\\.\\pipe\\drawchk", L"\\\\.\\pipe\\drawchk"},
        {L"keno.old", L"keno.old"},
        {L"C:keno.old", L"C:keno.old"},
        {L"\\drawchk\\keno.old", L"\\drawchk\\keno.old"},
    };
    for (const auto& [path, form] : paths) EXPECT_EQ(FileCallPath(path).native(), form) << path;
}

}  // namespace
}  // namespace drawchk
