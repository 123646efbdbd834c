#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The names users give the files the program reads, the right ones and the near misses.
namespace drawchk {

// A name as the program compares it where letter case does not count: its ASCII letters in
// lower case, and an ü however it is written (capital, or a u with a combining diaeresis, as
// a Mac writes it) as the one UTF-8 letter.
std::string FoldedName(std::string_view name);

// A file that is likely one the program looks for, saved under another name.
struct MisnamedFile {
    // Likeliest first.
    enum Kind {
        kExtensionAdded,  // keno.old.txt, as an editor that adds its own saves it
        kCaseOrBlanks,    // KENO.OLD, or keno.old with blanks after it
        kNotPlainText,    // szunnapok.docx: a word processor's file, not plain text
        kBackup,          // keno.old.bak, keno.old~, keno.old.old
    };

    Kind kind;
    // As it stands in the folder, UTF-8 where the system gives it so.
    std::string name;

    friend bool operator==(const MisnamedFile&, const MisnamedFile&) = default;
};

// What `folder` holds, listed once for every question asked of its names; none where it
// cannot be listed.
std::vector<std::filesystem::directory_entry> FolderEntries(const std::filesystem::path& folder);

// Up to three regular files among a folder's `entries` that are one of `wanted` under another
// name, likeliest first, then in name order. `any_case`: a name that differs from a wanted one
// only in letter case is that file, not a near miss. `wanted` are folded names.
std::vector<MisnamedFile> MisnamedFilesIn(std::span<const std::filesystem::directory_entry> entries,
                                          std::span<const std::string_view> wanted, bool any_case);

// Where a link at `path` points, UTF-8 and fit to be shown, where it is a link to nothing;
// none for any other path.
std::optional<std::string> DanglingLinkTarget(const std::filesystem::path& path);

}  // namespace drawchk
