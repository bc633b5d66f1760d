// automate.exe commands for message boxes and the open and save dialogs.
#include "tools/automation/cli_commands.h"
#include "tools/automation/cli_output.h"
#include "tools/automation/file_dialog.h"
#include "tools/automation/message_box.h"
#include "tools/automation/wait.h"
#include "tools/automation/window_query.h"

namespace automation::cli {
namespace {

struct ButtonName {
    const wchar_t* name;
    int id;
};

constexpr ButtonName kButtonNames[] = {
    {L"ok", IDOK},   {L"cancel", IDCANCEL}, {L"abort", IDABORT},  {L"retry", IDRETRY},       {L"ignore", IDIGNORE},
    {L"yes", IDYES}, {L"no", IDNO},         {L"try", IDTRYAGAIN}, {L"continue", IDCONTINUE},
};

int ParseButton(const std::wstring& word)
{
    for (const ButtonName& button : kButtonNames) {
        if (word == button.name) {
            return button.id;
        }
    }
    throw UsageError{L"unknown button " + word + L" (ok, cancel, abort, retry, ignore, yes, no, try, continue)"};
}

bool ParseYesNo(const std::wstring& word)
{
    if (word == L"yes" || word == L"no") {
        return word == L"yes";
    }
    throw UsageError{L"--overwrite takes yes or no, not " + word};
}

void PrintMessageBox(HWND box)
{
    PrintLine(OneLine(WindowText(box)));
    PrintLine(UnixLineEnds(MessageBoxText(box)));
}

HWND WaitForBox(DWORD pid, DWORD timeoutMs)
{
    HWND box = WaitForMessageBox(pid, timeoutMs);
    if (!box) {
        throw NotFound{L"no message box of process " + std::to_wstring(pid) + L" in time"};
    }
    return box;
}

HWND WaitForDialog(DWORD pid, DWORD timeoutMs)
{
    HWND dialog = WaitForFileDialog(pid, timeoutMs);
    if (!dialog) {
        throw NotFound{L"no open or save dialog of process " + std::to_wstring(pid) + L" in time"};
    }
    return dialog;
}

// After the dialog answered a confirmed name with a message box: answer the replace question as
// told, or show the box to the script and fail.
int HandleDialogMessage(HWND dialog, const std::optional<bool>& overwrite, const Deadline& deadline)
{
    if (overwrite && FindOverwritePrompt(dialog)) {
        if (!AnswerOverwritePrompt(dialog, *overwrite, deadline.Remaining())) {
            PrintError(L"the replace question did not close in time");
            return kExitNotFound;
        }
        // After No the dialog stays open, as the script asked.
        if (!*overwrite || WaitForWindowGone(dialog, deadline.Remaining())) {
            return kExitOk;
        }
        PrintError(L"the dialog did not close after replacing");
        return kExitNotFound;
    }
    if (HWND box = FindOwnedMessageBox(dialog)) {
        PrintMessageBox(box);
    }
    PrintError(L"the dialog answered with a message box and stays open");
    return kExitNotFound;
}

}  // namespace

int MessageBoxCommand(Arguments& arguments)
{
    const DWORD timeoutMs = TakeTimeout(arguments);
    const DWORD pid = ParsePid(arguments.TakeWord(L"PID"));
    arguments.ExpectEnd();
    PrintMessageBox(WaitForBox(pid, timeoutMs));
    return kExitOk;
}

int AnswerCommand(Arguments& arguments)
{
    const std::optional<std::wstring> button = arguments.TakeOption(L"--button");
    const std::optional<std::wstring> caption = arguments.TakeOption(L"--caption");
    const DWORD timeoutMs = TakeTimeout(arguments);
    const DWORD pid = ParsePid(arguments.TakeWord(L"PID"));
    arguments.ExpectEnd();
    if (button.has_value() == caption.has_value()) {
        throw UsageError{L"answer needs one of --button and --caption"};
    }
    const int id = button ? ParseButton(*button) : 0;
    const Deadline deadline(timeoutMs);
    HWND box = WaitForBox(pid, deadline.Remaining());
    const bool pressed = button ? PressDialogButton(box, id) : PressDialogButtonByCaption(box, *caption);
    if (!pressed) {
        PrintError(L"the message box has no such button");
        return kExitNotFound;
    }
    if (!WaitForWindowGone(box, deadline.Remaining())) {
        PrintError(L"the message box did not close in time");
        return kExitNotFound;
    }
    return kExitOk;
}

int FileDialogCommand(Arguments& arguments)
{
    std::optional<bool> overwrite;
    if (const std::optional<std::wstring> answer = arguments.TakeOption(L"--overwrite")) {
        overwrite = ParseYesNo(*answer);
    }
    const DWORD timeoutMs = TakeTimeout(arguments);
    const DWORD pid = ParsePid(arguments.TakeWord(L"PID"));
    const std::wstring path = arguments.TakeWord(L"PATH");
    arguments.ExpectEnd();
    const Deadline deadline(timeoutMs);
    HWND dialog = WaitForDialog(pid, deadline.Remaining());
    switch (ConfirmFileDialog(dialog, path, deadline.Remaining())) {
    case FileDialogOutcome::kClosed:
        return kExitOk;
    case FileDialogOutcome::kMessageBox:
        return HandleDialogMessage(dialog, overwrite, deadline);
    case FileDialogOutcome::kTimedOut:
        break;
    }
    PrintError(L"the dialog did not take the name in time");
    return kExitNotFound;
}

int CancelDialogCommand(Arguments& arguments)
{
    const DWORD timeoutMs = TakeTimeout(arguments);
    const DWORD pid = ParsePid(arguments.TakeWord(L"PID"));
    arguments.ExpectEnd();
    const Deadline deadline(timeoutMs);
    HWND dialog = WaitForDialog(pid, deadline.Remaining());
    if (!CancelFileDialog(dialog, deadline.Remaining())) {
        PrintError(L"the dialog did not close in time");
        return kExitNotFound;
    }
    return kExitOk;
}

}  // namespace automation::cli
