// The commands of automate.exe. Each returns the exit status, or throws UsageError or NotFound.
#pragma once

#include "tools/automation/cli_arguments.h"

namespace automation::cli {

enum ExitStatus { kExitOk = 0, kExitNotFound = 1, kExitUsage = 2 };

// Something a command needs is not there (a window that has closed); automate.exe exits with 1.
struct NotFound {
    std::wstring message;
};

int LaunchCommand(Arguments& arguments);
int WaitExitCommand(Arguments& arguments);
int TerminateCommand(Arguments& arguments);
int HoldCommand(Arguments& arguments);

int TopWindowsCommand(Arguments& arguments);
int WaitWindowCommand(Arguments& arguments);
int FindChildCommand(Arguments& arguments);
int ChildrenCommand(Arguments& arguments);
int TextCommand(Arguments& arguments);
int WaitTextCommand(Arguments& arguments);
int InfoCommand(Arguments& arguments);
int ClickCommand(Arguments& arguments);
int SetTextCommand(Arguments& arguments);
int TypeCommand(Arguments& arguments);
int KeyCommand(Arguments& arguments);
int FocusCommand(Arguments& arguments);
int CloseCommand(Arguments& arguments);
int ScreenshotCommand(Arguments& arguments);
int PixelCommand(Arguments& arguments);

int MessageBoxCommand(Arguments& arguments);
int AnswerCommand(Arguments& arguments);
int FileDialogCommand(Arguments& arguments);
int CancelDialogCommand(Arguments& arguments);

}  // namespace automation::cli
