// automate.exe commands that start, wait for and end processes.
#include "tools/automation/cli_commands.h"
#include "tools/automation/cli_output.h"
#include "tools/automation/process.h"
#include "tools/automation/process_keeper.h"

namespace automation::cli {

int LaunchCommand(Arguments& arguments)
{
    std::vector<std::wstring> words = arguments.TakeRest();
    std::wstring workingDir;
    // Only a leading --cwd is ours: everything after EXE belongs to the program.
    if (!words.empty() && words.front() == L"--cwd") {
        if (words.size() < 2) {
            throw UsageError{L"--cwd needs a value"};
        }
        workingDir = words[1];
        words.erase(words.begin(), words.begin() + 2);
    }
    if (words.empty()) {
        throw UsageError{L"missing EXE"};
    }
    std::wstring commandArguments;
    for (size_t i = 1; i < words.size(); ++i) {
        commandArguments += (i > 1 ? L" " : L"") + QuoteArgument(words[i]);
    }
    ChildProcess child = Launch(words.front(), commandArguments, workingDir);
    if (!child) {
        PrintError(L"cannot start " + words.front());
        return kExitNotFound;
    }
    if (!StartKeeper(child)) {
        PrintError(L"warning: the exit code can be read only while the program runs");
    }
    PrintLine(std::to_wstring(child.pid()));
    child.Detach();
    return kExitOk;
}

int WaitExitCommand(Arguments& arguments)
{
    const DWORD timeoutMs = TakeTimeout(arguments);
    const DWORD pid = ParsePid(arguments.TakeWord(L"PID"));
    arguments.ExpectEnd();
    const std::optional<DWORD> code = WaitForProcessExit(pid, timeoutMs);
    if (!code) {
        PrintError(L"process " + std::to_wstring(pid) + L" did not end in time or is unknown");
        return kExitNotFound;
    }
    ReleaseKeeper(pid);
    // Signed, so the runtime's exit code -1 reads as -1.
    PrintLine(std::to_wstring(static_cast<int32_t>(*code)));
    return kExitOk;
}

int TerminateCommand(Arguments& arguments)
{
    const DWORD pid = ParsePid(arguments.TakeWord(L"PID"));
    arguments.ExpectEnd();
    rt::UniqueHandle process = OpenProcessById(pid);
    if (!process) {
        PrintError(L"no process " + std::to_wstring(pid));
        return kExitNotFound;
    }
    const bool ended = ChildProcess(std::move(process), pid).Terminate();
    ReleaseKeeper(pid);
    return ended ? kExitOk : kExitNotFound;
}

int HoldCommand(Arguments& arguments)
{
    const DWORD pid = ParsePid(arguments.TakeWord(L"PID"));
    arguments.ExpectEnd();
    return RunKeeper(pid);
}

}  // namespace automation::cli
