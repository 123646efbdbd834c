#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace drawchk::testing {

// A fresh folder under the system's temporary folder, removed with everything in it. `name`
// starts the folder's name, so a test can give it blanks or accented letters.
class TempFolder {
  public:
    explicit TempFolder(std::string_view name = "drawchk");
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const;

  private:
    std::filesystem::path path_;
};

// Writes `bytes` into `path`, with a time of last writing an hour back.
void WriteFile(const std::filesystem::path& path, std::string_view bytes);
std::string ReadFile(const std::filesystem::path& path);

// The names in `folder`, sorted, so a test can see that nothing was left behind.
std::vector<std::string> NamesIn(const std::filesystem::path& folder);

// `count` lines "1", "2", ... with CR LF ends: a history of the right length, say.
std::string NumberedLines(int count);

}  // namespace drawchk::testing
