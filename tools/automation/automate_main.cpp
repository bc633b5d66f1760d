// automate.exe: drives the program's windows from shell scripts, one action per invocation.
// Exit status 0 on success, 1 when something was not found or did not happen in time, 2 on usage
// errors. Handles print as 0x-prefixed hex and are read back in that form; texts print as UTF-8.
// Paths are Windows paths: under Wine a Linux path is reached through its drive (Z:\work\...).
#include <windows.h>

#include <string>
#include <vector>

#include "tools/automation/cli_commands.h"
#include "tools/automation/cli_output.h"

namespace automation::cli {
namespace {

struct Command {
    const wchar_t* name;
    int (*run)(Arguments&);
    const wchar_t* usage;
};

constexpr Command kCommands[] = {
    {L"launch", LaunchCommand, L"launch [--cwd DIR] EXE [ARGS...]      start a program, print its pid"},
    {L"wait-exit", WaitExitCommand, L"wait-exit PID [--timeout MS]          print the exit code once it has ended"},
    {L"terminate", TerminateCommand, L"terminate PID                         end a process"},
    {L"top-windows", TopWindowsCommand, L"top-windows PID                       handle, class, shown, title per line"},
    {L"wait-window", WaitWindowCommand,
     L"wait-window PID [--class C] [--title T] [--title-contains S] [--timeout MS]   print the handle"},
    {L"find-child", FindChildCommand,
     L"find-child HWND [--class C] [--id N] [--text T] [--timeout MS]   print the handle"},
    {L"children", ChildrenCommand, L"children HWND                         handle, class, id, text per line"},
    {L"text", TextCommand, L"text HWND                             print the window text"},
    {L"wait-text", WaitTextCommand, L"wait-text HWND TEXT [--timeout MS]    wait until the window text is TEXT"},
    {L"info", InfoCommand, L"info HWND                             class, id, visible, enabled, check, rects"},
    {L"click", ClickCommand, L"click HWND                            click a button, check box or radio box"},
    {L"set-text", SetTextCommand, L"set-text HWND TEXT                    replace the text"},
    {L"type", TypeCommand, L"type HWND TEXT                        type the characters"},
    {L"key", KeyCommand, L"key HWND enter|esc|tab                press a key"},
    {L"focus", FocusCommand, L"focus HWND                            give the window the focus"},
    {L"close", CloseCommand, L"close HWND                            ask the window to close"},
    {L"message-box", MessageBoxCommand, L"message-box PID [--timeout MS]        print the title, then the text"},
    {L"answer", AnswerCommand,
     L"answer PID --button ok|cancel|abort|retry|ignore|yes|no|try|continue | --caption TEXT [--timeout MS]"},
    {L"file-dialog", FileDialogCommand,
     L"file-dialog PID PATH [--overwrite yes|no] [--timeout MS]   fill and confirm the open or save dialog;\n"
     L"        --overwrite answers its replace question, else a message box it raises is printed (status 1)"},
    {L"cancel-dialog", CancelDialogCommand, L"cancel-dialog PID [--timeout MS]      cancel the open or save dialog"},
    {L"screenshot", ScreenshotCommand, L"screenshot OUT.png [HWND]             the screen or a window as PNG"},
    {L"pixel", PixelCommand, L"pixel X Y                             print the screen colour as RRGGBB"},
    {L"hold", HoldCommand, L"hold PID                              (used by launch) keep the exit code readable"},
};

int Usage(const std::wstring& problem)
{
    if (!problem.empty()) {
        PrintError(problem);
    }
    PrintError(L"usage: automate.exe COMMAND ...");
    for (const Command& command : kCommands) {
        PrintError(std::wstring(L"  ") + command.usage);
    }
    return kExitUsage;
}

int Run(const std::wstring& name, std::vector<std::wstring> words)
{
    for (const Command& command : kCommands) {
        if (name != command.name) {
            continue;
        }
        Arguments arguments(std::move(words));
        try {
            return command.run(arguments);
        } catch (const UsageError& error) {
            PrintError(error.message);
            PrintError(std::wstring(L"usage: automate.exe ") + command.usage);
            return kExitUsage;
        } catch (const NotFound& error) {
            PrintError(error.message);
            return kExitNotFound;
        }
    }
    return Usage(L"unknown command " + name);
}

}  // namespace
}  // namespace automation::cli

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        return automation::cli::Usage(L"");
    }
    return automation::cli::Run(argv[1], std::vector<std::wstring>(argv + 2, argv + argc));
}
