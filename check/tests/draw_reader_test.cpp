#include "draw_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "chunked_source.h"
#include "temp_folder.h"

namespace drawchk {
namespace {

using Items = std::vector<std::string>;

Items ReadAll(ByteSource& source) {
    DrawReader reader(source);
    Items items;
    std::string_view item;
    while (reader.ReadItem(item)) items.emplace_back(item);
    return items;
}

struct ItemCase {
    const char* name;
    std::string bytes;
    Items items;
};

void PrintTo(const ItemCase& c, std::ostream* out) { *out << c.name; }

class DrawReaderItems : public ::testing::TestWithParam<ItemCase> {};

TEST_P(DrawReaderItems, SplitsTheSameWhateverTheChunks) {
    const ItemCase& c = GetParam();
    MemorySource whole(c.bytes);
    EXPECT_EQ(ReadAll(whole), c.items);
    // One byte at a time, so every delimiter falls on a chunk boundary somewhere.
    testing::ChunkedSource bytewise(std::string_view(c.bytes), 1);
    EXPECT_EQ(ReadAll(bytewise), c.items);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DrawReaderItems,
    ::testing::Values(
        ItemCase{"Empty", "", {}},
        ItemCase{"CrLfLines", "5001 1 2\r\n5002 3 4\r\n", {"5001 1 2", "5002 3 4"}},
        ItemCase{"LoneLfAndLoneCr", "5001\n5002\r5003\r\n", {"5001", "5002", "5003"}},
        ItemCase{"LastLineWithoutLineEnd", "5001\r\n5002", {"5001", "5002"}},
        ItemCase{"EmptyLinesAreEmptyItems", "5001\r\n\r\n\n", {"5001", "", ""}},
        ItemCase{"CommasSplitALine", "5001,5002\r\n", {"5001", "5002"}},
        ItemCase{"CommaBeforeLineEnd", "5001,\r\n", {"5001", ""}},
        ItemCase{"OnlyCommas", ",,", {"", ""}},
        ItemCase{"BlanksAndTabsBeforeAnItemSkipped", "  5489 1\r\n\t 5490\r\n", {"5489 1", "5490"}},
        ItemCase{"BlanksAtEndOfItemKept", "12  \r\n", {"12  "}},
        ItemCase{"BlankLineIsEmptyItem", "   \r\n5001", {"", "5001"}},
        ItemCase{"BlanksEndingTheInputAreNoItem", "5001\r\n   ", {"5001"}},
        ItemCase{"QuotedItemKeepsCommas", "\"50,01\"\r\n", {"50,01"}},
        ItemCase{"TextAfterClosingQuoteDropped", "\"5001\" tail,5002\r\n", {"5001", "5002"}},
        ItemCase{"QuotedItemSpansLines", "\"5001\r\nx\"\r\n5002", {"5001\r\nx", "5002"}},
        ItemCase{"UnclosedQuoteRunsToEnd", "\"5001\r\n5002\r\n", {"5001\r\n5002\r\n"}},
        ItemCase{"QuoteInsideItemIsText", "50\"01\r\n", {"50\"01"}},
        ItemCase{"HighBytesPassThrough", "\xF5\xE9rt\r\n", {"\xF5\xE9rt"}},
        ItemCase{"NulBytesAreText",
                 std::string("50\0"
                             "1\r\n",
                             6),
                 {std::string("50\0"
                              "1",
                              4)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawReader, LongItemKeepsOnlyItsStartAndTheNextItemReadsWhole) {
    const std::string line(3 * FileSource::kChunkBytes, '7');
    const std::string bytes = line + "\r\n5002\r\n";
    MemorySource source(bytes);
    const Items items = ReadAll(source);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0], std::string(DrawReader::kItemKeep, '7'));
    EXPECT_EQ(items[1], "5002");
}

TEST(DrawReader, ReadsAFileAcrossChunksAsItDoesMemory) {
    testing::TempFolder folder;
    const std::string bytes = testing::NumberedLines(40000) + "\"a,\r\nb\" x,y";
    testing::WriteFile(folder / "draws", bytes);
    FileSource file;
    ASSERT_EQ(file.Open(folder / "draws"), FileOpen::kOpened);
    MemorySource memory(bytes);
    EXPECT_EQ(ReadAll(file), ReadAll(memory));
}

// A file written while it is read says so, so that it is read again.
TEST(FileSource, SaysWhereItsFileChangedWhileItRead) {
    const struct {
        const char* change;
        void (*make)(const testing::TempFolder& folder);
        bool changed;
    } cases[] = {
        {"none", [](const testing::TempFolder&) {}, false},
        {"written on",
         [](const testing::TempFolder& folder) {
             std::ofstream(folder / "draws", std::ios::app) << "10114\r\n";
         },
         true},
    };
    for (const auto& c : cases) {
        testing::TempFolder folder;
        testing::WriteFile(folder / "draws", testing::NumberedLines(40000));
        FileSource file;
        ASSERT_EQ(file.Open(folder / "draws"), FileOpen::kOpened);
        file.NextChunk();
        c.make(folder);
        while (!file.NextChunk().empty()) {
        }
        EXPECT_EQ(file.Changed(), c.changed) << c.change;
    }
}

// A file another program holds without sharing is opened again after growing waits, about a
// second in all, and given up as busy after that.
TEST(OpenWhileBusyWaiting, TriesAgainForAboutASecondThenSaysBusy) {
    for (const int busy_opens : {0, 2, 100}) {
        int opens = 0;
        std::chrono::milliseconds waited{0};
        const FileOpen opened = OpenWhileBusyWaiting(
            [&] { return ++opens <= busy_opens ? FileOpen::kBusy : FileOpen::kOpened; },
            [&](std::chrono::milliseconds pause) { waited += pause; });
        EXPECT_EQ(opened, busy_opens < 100 ? FileOpen::kOpened : FileOpen::kBusy) << busy_opens;
        EXPECT_EQ(opens, std::min(busy_opens, 7) + 1) << busy_opens;
        if (busy_opens == 100) {
            EXPECT_EQ(waited, std::chrono::milliseconds(1000));
        }
    }
}

}  // namespace
}  // namespace drawchk
