#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <string_view>
#include <vector>

#include "program_runner.h"
#include "temp_folder.h"
#include "wide_text.h"

namespace drawchk::testing {
namespace {

struct WindowSearch {
    DWORD process_id;
    bool found;
};

BOOL CALLBACK FindDrawchkWindow(HWND window, LPARAM search_address) {
    auto& search = *reinterpret_cast<WindowSearch*>(search_address);
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    wchar_t title[16] = {};
    GetWindowTextW(window, title, 16);
    if (process_id == search.process_id && std::wstring_view(title) == L"Drawchk.") {
        search.found = true;
    }
    return !search.found;
}

// Ours, with `given` ("NAME=value") in place of any of the same name, as CreateProcessW takes
// it: sorted, each ended by a null, and one more null after the last; empty for ours as it is.
std::wstring EnvironmentBlock(const std::vector<std::string>& given) {
    if (given.empty()) return {};
    const auto name = [](std::wstring_view entry) { return entry.substr(0, entry.find(L'=') + 1); };
    std::vector<std::wstring> entries(given.size());
    std::transform(given.begin(), given.end(), entries.begin(),
                   [](const std::string& entry) { return ToWide(entry); });
    const auto ours_from = static_cast<std::ptrdiff_t>(entries.size());
    wchar_t* ours = GetEnvironmentStringsW();
    for (const wchar_t* entry = ours; *entry != L'\0'; entry += wcslen(entry) + 1) {
        const std::wstring_view text(entry);
        const bool replaced =
            std::any_of(entries.begin(), entries.begin() + ours_from,
                        [&](const std::wstring& e) { return name(e) == name(text); });
        if (!replaced) entries.emplace_back(text);
    }
    FreeEnvironmentStringsW(ours);
    std::sort(entries.begin(), entries.end());
    std::wstring block;
    for (const std::wstring& entry : entries) block += entry + L'\0';
    return block + L'\0';
}

}  // namespace

ProgramRun RunProgram(const std::filesystem::path& program, const RunOptions& options) {
    constexpr auto kWindowStands = std::chrono::milliseconds(500);
    // As Explorer or the Task Scheduler writes it: the quoted name, then the raw arguments.
    std::wstring command_line = L"\"" + program.wstring() + L"\"";
    for (const std::string& arg : options.args) command_line += L" " + ToWide(arg);
    std::wstring desktop = ToWide(options.desktop);
    std::wstring environment = EnvironmentBlock(options.environment);
    // Its stdout and stderr go to a file of their own, read when it has ended.
    wchar_t temp_folder[MAX_PATH] = {};
    wchar_t output_path[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp_folder);
    GetTempFileNameW(temp_folder, L"out", 0, output_path);
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const HANDLE output = CreateFileW(output_path, GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    if (!desktop.empty()) startup.lpDesktop = desktop.data();
    PROCESS_INFORMATION process{};
    ProgramRun run;
    // Wine now and then fails to start a program copied a moment ago; that is no run of the
    // program, so the start is tried again.
    BOOL started = FALSE;
    for (int attempt = 0; attempt < 5 && !started; ++attempt) {
        if (attempt > 0) Sleep(100);
        started = CreateProcessW(
            program.c_str(), command_line.data(), nullptr, nullptr, TRUE,
            CREATE_UNICODE_ENVIRONMENT, environment.empty() ? nullptr : environment.data(),
            options.working_folder.empty() ? nullptr : options.working_folder.c_str(), &startup,
            &process);
    }
    CloseHandle(output);
    if (!started) {
        DeleteFileW(output_path);
        return run;
    }
    const auto started_at = std::chrono::steady_clock::now();
    auto stop_at = started_at + options.deadline;
    run.exited = true;
    while (WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT) {
        if (options.running) {
            options.running(std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now() - started_at));
        }
        if (!run.window_seen) {
            WindowSearch search{process.dwProcessId, false};
            EnumWindows(&FindDrawchkWindow, reinterpret_cast<LPARAM>(&search));
            run.window_seen = search.found;
            if (run.window_seen) stop_at = std::chrono::steady_clock::now() + kWindowStands;
        }
        if (std::chrono::steady_clock::now() > stop_at) {
            TerminateProcess(process.hProcess, 255);
            WaitForSingleObject(process.hProcess, INFINITE);
            run.exited = false;
            break;
        }
    }
    DWORD status = 0;
    if (run.exited && GetExitCodeProcess(process.hProcess, &status)) {
        run.status = static_cast<int>(status);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    run.output = ReadFile(std::filesystem::path(output_path));
    DeleteFileW(output_path);
    return run;
}

}  // namespace drawchk::testing
