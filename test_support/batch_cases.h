#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "program_copy.h"
#include "sample_draws.h"

// The batch runs both programs are tried with, in a program folder of their own: each side
// instantiates the shared rows and adds its own.
namespace drawchk::testing {

// A draw file's text, shared by the many copies of a case that the test framework makes.
class SharedText {
  public:
    SharedText() = default;
    // NOLINTNEXTLINE(google-explicit-constructor): a case is written with its text.
    SharedText(std::string text) : text_(std::make_shared<const std::string>(std::move(text))) {}
    explicit operator bool() const { return text_ != nullptr; }
    const std::string& operator*() const { return *text_; }

  private:
    std::shared_ptr<const std::string> text_;
};

struct BatchCase {
    const char* name;
    SharedText draws;  // none: no draw file
    int status;
    std::string result;
    std::string output = {};                    // on stderr; {folder}: the program folder
    std::optional<std::string> rest_days = {};  // the rest-day list, if any
    std::string rest_day_file = "szunnapok.txt";
    std::string draw_file = "keno.old";
    std::vector<std::string> args = {"Frissit"};
    std::string folder = "drawchk";
    std::string today = {};                    // DRAWCHK_TODAY, where not the tests' own
    std::vector<std::string> subfolders = {};  // made in the program folder
    std::optional<std::string> earlier = "earlier result\r\n";  // the result file before
    bool unwritable_folder = false;  // POSIX: the folder is not the user's to write in
    bool stderr_gone = false;        // POSIX: stderr is a pipe whose reader has gone
};

// `text` as Notepad saves "Unicode": UTF-16, little endian, after a byte-order mark if `mark`.
inline std::string Utf16(std::string_view text, bool mark) {
    std::string bytes = mark ? "\xFF\xFE" : "";
    for (const char c : text) bytes += std::string{c, '\0'};
    return bytes;
}

inline void PrintTo(const BatchCase& c, std::ostream* out) { *out << c.name; }

// `draws` with its newest line's own date written as `date`, as a typo may write it.
inline std::string WithNewestDate(std::string draws, std::string_view date) {
    const std::size_t line = draws.rfind('\n', draws.size() - 2) + 1;
    const std::size_t at = draws.find(' ', line) + 1;
    return draws.replace(at, date.size(), date);
}

// Without a display, and on POSIX without the window module: batch mode needs neither. It
// says nothing unless the run is not a complete, current answer.
inline void ExpectBatchRun(const BatchCase& c) {
    ProgramCopy folder(c.folder);
    if (c.earlier) WriteFile(folder / "Drawchk.txt", *c.earlier);
    if (c.draws) WriteFile(folder / c.draw_file, *c.draws);
    if (c.rest_days) WriteFile(folder / c.rest_day_file, *c.rest_days);
    for (const std::string& name : c.subfolders) std::filesystem::create_directory(folder / name);
    RunOptions options{.args = c.args, .stderr_gone = c.stderr_gone};
    if (!c.today.empty()) options.environment = {"DRAWCHK_TODAY=" + c.today};
    if (c.unwritable_folder) {
        // Root writes anywhere, so the program then runs as an ordinary user.
        std::filesystem::permissions(folder.path(), std::filesystem::perms(0555));
        options.user = 65534;  // nobody
    }
    const ProgramRun run = RunProgram(folder.program(), options);
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0755));
    EXPECT_TRUE(run.exited);
    EXPECT_FALSE(run.window_seen);
    EXPECT_EQ(run.status, c.status);
    std::string output = c.output;
    if (const std::size_t at = output.find("{folder}"); at != std::string::npos) {
        output.replace(at, 8, folder.path().string());
    }
    EXPECT_EQ(run.output, output);
    EXPECT_EQ(ReadFile(folder / "Drawchk.txt"), c.result);
}

// Command lines that are not the batch word alone, as users mistype it: each opens the window.
inline const std::vector<std::string> kWindowStartSpellings = {
    "", "frissit", "FRISSIT", "Frissit x", "Frissit ", "\"Frissit\""};

// The shared rows, then `own`.
inline std::vector<BatchCase> BatchCases(std::vector<BatchCase> own) {
    const std::string sample = SampleDraws(1, 10113);
    // Judged by the count, not by the line's own date, which nothing confirms.
    const std::string kMonthOldLine =
        "drawchk: a legutolsó sor (a 10113. húzás) dátuma 2025-08-29, ez 32 napja volt. Ha "
        "húzások hiányoznak a keno.old végéről, pótolja őket; ha szünnap volt, amelyet a program "
        "nem ismer, írja be a dátumát a szunnapok.txt-be (pl. ÉÉÉÉ-HH-NN).\n";
    std::vector<BatchCase> cases = {
        {"SampleFile", sample, 0, "10113   2025-08-29  P\r\n"},
        {.name = "FolderWithBlanksAndHungarianLetters",
         .draws = sample,
         .status = 0,
         .result = "10113   2025-08-29  P\r\n",
         .folder = "Kenó programok Győző"},
        {.name = "NewestDrawTwoWeeksOldSaysSo",
         .draws = SampleDraws(1, 10100),
         .status = 0,
         .result = "10100   2025-08-16  Szo\r\n",
         .output = "drawchk: a legutolsó sor (a 10100. húzás) dátuma 2025-08-16, ez 14 napja "
                   "volt. Ha húzások hiányoznak a keno.old végéről, pótolja őket; ha szünnap volt, "
                   "amelyet a program nem ismer, írja be a dátumát a szunnapok.txt-be (pl. "
                   "ÉÉÉÉ-HH-NN).\n"},
        // Complete to the day before, with no draw on 2025-12-25, which the program does not
        // know: a day early until that day is listed, and the line names it.
        {.name = "UnknownChristmasIsNamedInTheLine",
         .draws = SampleDraws(1, 10577),
         .status = 0,
         .result = "10577   2026-12-06  V\r\n",
         .output = "drawchk: a legutolsó sor (a 10577. húzás) dátuma 2026-12-06, ez 2 napja "
                   "volt. Ha húzások hiányoznak a keno.old végéről, pótolja őket; ha szünnap volt, "
                   "amelyet a program nem ismer, írja be a dátumát a szunnapok.txt-be (pl. "
                   "2025-12-25).\n",
         .today = "2026-12-08"},
        {.name = "ChristmasListedAsADateIsSilent",
         .draws = SampleDraws(1, 10577),
         .status = 0,
         .result = "10577   2026-12-07  H\r\n",
         .rest_days = "2025. december 25. kar\xE1"
                      "csony\r\n",
         .today = "2026-12-08"},
        // Lines that carry their own dates name the day without a draw the program missed, and
        // the newest row is judged by its own date.
        {.name = "DatedLinesNameTheDayTheCountMissed",
         .draws = DatedSampleDraws(1, 10112, std::chrono::year{2025} / 3 / 15),
         .status = 0,
         .result = "10112   2025-08-28  Cs\r\n",
         .output = "drawchk: 2025-03-15-én nem volt húzás, de a program ezt nem tudta: írja be "
                   "a dátumát a szunnapok.txt-be.\n"},
        // A mistyped date on the newest line names no day and hides no age: it is doubted,
        // and the row judged by the count, a month old.
        {.name = "MistypedNewestDateIsDoubtedNotTrusted",
         .draws = WithNewestDate(DatedSampleDraws(1, 10113), "2025-09-29"),
         .status = 0,
         .result = "10113   2025-08-29  P\r\n",
         .output = "drawchk: a keno.old 10113. húzásának sorában álló dátum (2025-09-29) nem illik "
                   "a többi sor dátumához: 2025-08-29 kellene. Ellenőrizze a sort.\n" +
                   kMonthOldLine,
         .today = "2025-09-30"},
        {.name = "YearTypoOnTheNewestLineIsOneShortLine",
         .draws = WithNewestDate(DatedSampleDraws(1, 10113), "9999-09-29"),
         .status = 0,
         .result = "10113   2025-08-29  P\r\n",
         .output = "drawchk: a keno.old 10113. húzásának sorában álló dátum (9999-09-29) nem illik "
                   "a többi sor dátumához: 2025-08-29 kellene. Ellenőrizze a sort.\n" +
                   kMonthOldLine,
         .today = "2025-09-30"},
        // No draw on 2026-03-15, listed; a draw on 2025-11-11, listed too: that one is named.
        {.name = "WrongDayListedBesideARightOneIsNamed",
         .draws = DatedSampleDraws(1, 10320, std::chrono::year{2026} / 3 / 15),
         .status = 0,
         .result = "10320   2026-03-26  Cs\r\n",
         .output = "drawchk: a szunnapok.txt 2. sora („2025-11-11”) szerint 2025-11-11-én nem volt "
                   "húzás, de a keno.old sorai szerint volt: törölje ezt a sort.\n",
         .rest_days = "2026-03-15\r\n2025-11-11\r\n",
         .today = "2026-03-26"},
        {.name = "NewestRowAfterTodaySaysSo",
         .draws = sample,
         .status = 0,
         .result = "10113   2025-08-31  V\r\n",
         .output = "drawchk: a legutolsó sor (a 10113. húzás) dátuma 2025-08-31, ez a mai nap "
                   "utáni. Nézze meg, hogy a szunnapok.txt nem sorol-e fel olyan napot, amelyen "
                   "volt húzás, hogy a keno.old végén nincs-e még meg nem tartott húzás, és hogy "
                   "jól jár-e a számítógép órája.\n",
         .rest_days = "10100\r\n2025-08-20\r\n"},
        {.name = "MissingDrawFile",
         .status = 1,
         .result = "\r\n",
         .output = "drawchk: nincs keno.old a program mappájában: tegye a keno.old fájlt a "
                   "program mellé.\n"},
        {.name = "OnlyTheHistoryIsNoAnswer",
         .draws = SampleDraws(1, 5000),
         .status = 1,
         .result = "\r\n",
         .output = "drawchk: a keno.old csak a legrégebbi húzásokat tartalmazza, vagy üres: tegye "
                   "a helyére a teljes fájlt; a Drawchk.txt most egy "
                   "üres sort tartalmaz.\n"},
        {.name = "Utf16WithAMarkReadsAsUtf8",
         .draws = Utf16(sample, true),
         .status = 0,
         .result = "10113   2025-08-29  P\r\n"},
        {.name = "Utf16WithoutAMarkReadsAsUtf8",
         .draws = Utf16(sample, false),
         .status = 0,
         .result = "10113   2025-08-29  P\r\n"},
        // A comma splits draw 10110's line: what follows it is no draw number, and is quoted.
        {.name = "CommaInALineIsQuotedNotTakenForADraw",
         .draws = SampleDraws(1, 10109) + "10110 1 2,922 5 6\r\n" + SampleDraws(10111, 10113),
         .status = 0,
         .result = "10113   2025-08-30  Szo\r\n",
         .output = "drawchk: a keno.old-ban a 10111. húzás helyén álló sor („922 5 6”) nem "
                   "húzás: javítsa vagy törölje.\n"},
        // No date in DRAWCHK_TODAY, which is said, and the clock does not stand in for it.
        {.name = "TodayThatIsNoDateIsSaid",
         .draws = SampleDraws(1, 10100),
         .status = 0,
         .result = "10100   2025-08-16  Szo\r\n",
         .output = "drawchk: a DRAWCHK_TODAY értéke („2025-02-30”) nem ÉÉÉÉ-HH-NN alakú, "
                   "létező dátum; a program most nem veti össze a legutolsó sort a mai "
                   "dátummal.\n",
         .today = "2025-02-30"},
        {.name = "LineRemovedSaysWhereTheFileBreaks",
         .draws = SampleDraws(1, 10104) + SampleDraws(10106, 10113),
         .status = 0,
         .result = "10113   2025-08-28  Cs\r\n",
         .output = "drawchk: a keno.old-ból hiányzik a 10105. húzás: pótolja.\n"},
        {.name = "DoubledLineSaysToDeleteOne",
         .draws = SampleDraws(1, 10105) + SampleDraws(10105, 10113),
         .status = 0,
         .result = "10113   2025-08-30  Szo\r\n",
         .output = "drawchk: a keno.old-ban a 10105. húzás kétszer szerepel: törölje az "
                   "egyiket.\n"},
        {.name = "EmptyLastLineSaysToDeleteIt",
         .draws = sample + "\r\n",
         .status = 0,
         .result = "   2025-08-30  Szo\r\n",
         .output = "drawchk: a keno.old üres sorral végződik: törölje a fájl végéről az üres "
                   "sort.\n"},
        {.name = "ListedRestDay",
         .draws = sample,
         .status = 0,
         .result = "10113   2025-08-30  Szo\r\n",
         .rest_days = "nincs h\xFAz\xE1s el\xF5tte:\r\n10100\r\n",
         .folder = "Kenó"},
        {.name = "ListedInUtf16UnderTheAccentedName",
         .draws = sample,
         .status = 0,
         .result = "10113   2025-08-30  Szo\r\n",
         .rest_days = std::string("\xFF\xFE"
                                  "1\0"
                                  "0\0"
                                  "1\0"
                                  "0\0"
                                  "0\0",
                                  12),
         .rest_day_file = "sz\xC3\xBCnnapok.txt"},
        {.name = "RestDayListInCapitalsWithThousandsCounts",
         .draws = sample,
         .status = 0,
         .result = "10113   2025-08-30  Szo\r\n",
         .rest_days = "10 100\r\n",
         .rest_day_file = "SZUNNAPOK.TXT"},
        // The list may hold the day that puts the dates right: no answer.
        {.name = "RestDayListThatIsAFolderIsSaid",
         .draws = sample,
         .status = 1,
         .result = "10113   2025-08-29  P\r\n",
         .output = "drawchk: a szunnapok.txt nem olvasható: ez egy mappa, nem fájl; nevezze át "
                   "a mappát.\n",
         .subfolders = {"szunnapok.txt"}},
        {.name = "RestDayListNamedInDecomposedFormCounts",
         .draws = sample,
         .status = 0,
         .result = "10113   2025-08-30  Szo\r\n",
         .rest_days = "10100\r\n",
         .rest_day_file = "szu\xCC\x88nnapok.txt"},
    };
    cases.insert(cases.end(), own.begin(), own.end());
    return cases;
}

}  // namespace drawchk::testing
