// What a check costs beside the floor of reading its file, and what the window adds to it.
// Files live on a memory file system where there is one, so the disk's flush is not timed.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QListView>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "form1.h"
#include "run_check.h"
#include "sample_draws.h"
#include "window_check.h"
#include "window_table.h"

namespace {

namespace fs = std::filesystem;

// One program folder per draw file, made once and removed at exit.
class BenchFolders {
  public:
    ~BenchFolders() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    // A folder whose keno.old holds `lines` lines of the sample file.
    const fs::path& For(int lines) {
        auto [place, added] = folders_.try_emplace(lines);
        if (added) {
            place->second = root_ / std::to_string(lines);
            fs::create_directories(place->second);
            std::ofstream out(place->second / "keno.old", std::ios::binary);
            // Past 10113 the sample numbers simply go on, as a file kept for decades would.
            const std::string text = drawchk::SampleDraws(1, lines);
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
        }
        return place->second;
    }

  private:
    fs::path root_ = (fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path()) /
                     ("drawchk-bench-" + std::to_string(getpid()));
    std::map<int, fs::path> folders_;
};

BenchFolders& Folders() {
    static BenchFolders folders;
    return folders;
}

constexpr int kDraws = 10113;      // the sample file: a realistic history
constexpr int kFullList = 40000;   // more draws than the list holds
constexpr int kHuge = 10'000'000;  // reading must stop once the list is full

void SetBytes(benchmark::State& state, const fs::path& folder) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(fs::file_size(folder / "keno.old")));
}

// The floor: the draw file's bytes read once, nothing else.
void BM_ReadFileOnly(benchmark::State& state) {
    const fs::path& folder = Folders().For(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        drawchk::FileSource file;
        file.Open(folder / "keno.old");
        std::size_t bytes = 0;
        for (auto chunk = file.NextChunk(); !chunk.empty(); chunk = file.NextChunk()) {
            bytes += chunk.size();
        }
        benchmark::DoNotOptimize(bytes);
    }
    SetBytes(state, folder);
}
BENCHMARK(BM_ReadFileOnly)->Arg(kDraws)->Arg(kFullList);

// Reading and dating into the row list, without the result file.
void BM_DateDraws(benchmark::State& state) {
    const fs::path& folder = Folders().For(static_cast<int>(state.range(0)));
    drawchk::RowList rows;
    for (auto _ : state) {
        drawchk::FileSource file;
        file.Open(folder / "keno.old");
        drawchk::DateDraws(file, rows, drawchk::kHungarianDayLabels);
        benchmark::DoNotOptimize(rows.Count());
    }
    SetBytes(state, folder);
}
BENCHMARK(BM_DateDraws)->Arg(kDraws)->Arg(kFullList)->Arg(kHuge);

// The whole check, result file included.
void BM_RunCheck(benchmark::State& state) {
    const fs::path& folder = Folders().For(static_cast<int>(state.range(0)));
    drawchk::RowList rows;
    for (auto _ : state) {
        drawchk::RunCheck(folder, rows, drawchk::kHungarianDayLabels);
    }
}
BENCHMARK(BM_RunCheck)->Arg(kDraws)->Arg(kFullList);

// Counts the paints of the list, to show that every refresh was painted.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// A click on "Ellenőrzés" until the list is filled, scrolled and painted.
void BM_WindowRefresh(benchmark::State& state) {
    drawchk::WindowCheck window_check(Folders().For(static_cast<int>(state.range(0))));
    const drawchk::WindowTable table(window_check);
    Form1 form(table.Services());
    form.show();
    QApplication::processEvents();
    auto* check = form.findChild<QPushButton*>("Command3D2");
    auto* list = form.findChild<QListView*>("List1");
    PaintCounter counter;
    list->viewport()->installEventFilter(&counter);
    for (auto _ : state) {
        check->click();
        // Delivers the updates the click asked for, the list's paint among them.
        QApplication::processEvents();
    }
    state.counters["rows"] = list->model()->rowCount();
    state.counters["paints_per_refresh"] =
        static_cast<double>(counter.paints) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_WindowRefresh)->Arg(kFullList)->Arg(5100);

// Runs a whole process in `folder`, as a scheduled job would, and checks its result line.
// (Its peak resident size is measured by tools/bench: a child of this large process
// inherits this process's peak.)
void RunProcess(benchmark::State& state, const fs::path& folder, const std::string& program,
                std::vector<std::string> args) {
    args.insert(args.begin(), program);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    // The day after the sample's newest draw, so the run judges a current file and is quiet.
    std::string tz = "TZ=UTC";
    std::string today = "DRAWCHK_TODAY=2025-08-30";
    std::vector<char*> envp = {tz.data(), today.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    for (auto _ : state) {
        pid_t pid = -1;
        if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) {
            state.SkipWithError("cannot start the process");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("process failed");
    }
    posix_spawn_file_actions_destroy(&actions);
    std::ifstream result(folder / "Drawchk.txt", std::ios::binary);
    std::string line;
    std::getline(result, line);
    if (line != "10113   2025-08-29  P\r") state.SkipWithError("the result line is wrong");
}

// `drawchk Frissit` as cron runs it, against the same dating done by gawk.
void BM_BatchProcess(benchmark::State& state) {
    const fs::path& folder = Folders().For(kDraws);
    fs::copy_file(DRAWCHK_PROGRAM, folder / "drawchk", fs::copy_options::overwrite_existing);
    RunProcess(state, folder, (folder / "drawchk").string(), {"Frissit"});
}
BENCHMARK(BM_BatchProcess)->Unit(benchmark::kMillisecond);

void BM_GawkScript(benchmark::State& state) {
    RunProcess(state, Folders().For(kDraws), "gawk",
               {"-v", "RS=\r\n", "-f", DRAWCHK_DATING_AWK, "keno.old"});
}
BENCHMARK(BM_GawkScript)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
