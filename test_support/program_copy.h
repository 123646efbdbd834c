#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "program_runner.h"
#include "temp_folder.h"

namespace drawchk::testing {

// A program folder in a temporary folder, named from `name`, holding a copy of the built
// program, DRAWCHK_PROGRAM, under its own file name and, if one is given, the window module
// beside it.
class ProgramCopy {
  public:
    explicit ProgramCopy(std::string_view name = "drawchk",
                         const std::filesystem::path& window_module = {})
        : folder_(name) {
        std::filesystem::copy_file(DRAWCHK_PROGRAM, program());
        if (!window_module.empty()) {
            std::filesystem::copy_file(window_module, path() / window_module.filename());
        }
    }

    const std::filesystem::path& path() const { return folder_.path(); }
    std::filesystem::path operator/(std::string_view name) const { return folder_ / name; }
    std::filesystem::path program() const {
        return folder_.path() / std::filesystem::path(DRAWCHK_PROGRAM).filename();
    }

    ProgramRun Batch(RunOptions options = {}) const {
        options.args = {"Frissit"};
        return RunProgram(program(), std::move(options));
    }

    std::vector<std::string> Names() const { return NamesIn(path()); }

  private:
    TempFolder folder_;
};

// The run ended by itself with `status` and printed `output`.
inline void ExpectExit(const ProgramRun& run, int status, std::string_view output) {
    EXPECT_TRUE(run.exited) << "ended by signal " << run.status - 128;
    EXPECT_EQ(run.status, status);
    EXPECT_EQ(run.output, output);
}
inline void ExpectQuietExit(const ProgramRun& run, int status) { ExpectExit(run, status, ""); }

}  // namespace drawchk::testing
