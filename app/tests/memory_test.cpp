// The program's peak memory over a gibibyte-long line, run from a test process of its own: a
// forked child's peak counts the pages it shares with its parent until it starts the program,
// and the batch tables are large.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "program_copy.h"

namespace drawchk {
namespace {

using testing::ExpectExit;
using testing::ProgramCopy;
using testing::ProgramRun;
using testing::ReadFile;

#ifdef DRAWCHK_SANITIZED
constexpr long kPeakKibBound = 512 * 1024;  // Shadow memory, not the program's own.
#else
constexpr long kPeakKibBound = 48 * 1024;
#endif

TEST(HugeDrawFile, SingleGibibyteLineKeepsMemorySmall) {
    ProgramCopy folder;
    {
        // A sparse file: one line of NUL bytes that takes no disk space.
        std::ofstream draws(folder / "keno.old", std::ios::binary);
    }
    std::filesystem::resize_file(folder / "keno.old", std::uintmax_t{1} << 30);
    const ProgramRun run = folder.Batch({.deadline = std::chrono::seconds(120)});
    ExpectExit(run, 1,
               "drawchk: a keno.old csak a legrégebbi húzásokat tartalmazza, vagy üres: tegye a "
               "helyére a teljes fájlt; a Drawchk.txt most egy üres sort tartalmaz.\n");
    EXPECT_EQ(ReadFile(folder / "Drawchk.txt"), "\r\n");
    EXPECT_LT(run.peak_kib, kPeakKibBound);
}

}  // namespace
}  // namespace drawchk
