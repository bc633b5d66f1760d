// Finding message boxes, reading them and pressing their buttons.
#include "tools/automation/message_box.h"

#include "tools/automation/input.h"
#include "tools/automation/wait.h"
#include "tools/automation/window_query.h"

namespace automation {
namespace {

constexpr int kMessageTextId = 0xFFFF;
const wchar_t kDialogClass[] = L"#32770";

HWND MessageTextControl(HWND box)
{
    for (HWND child : Children(box)) {
        // 0xFFFF is the id as a 16-bit word; the other dialogs' -1 (0xFFFFFFFF) is not it.
        if (static_cast<UINT>(ControlId(child)) == kMessageTextId && ClassName(child) == L"Static") {
            return child;
        }
    }
    return nullptr;
}

std::wstring WithoutMnemonics(const std::wstring& caption)
{
    std::wstring plain;
    for (wchar_t c : caption) {
        if (c != L'&') {
            plain += c;
        }
    }
    return plain;
}

}  // namespace

bool IsMessageBox(HWND window)
{
    return IsWindowVisible(window) && ClassName(window) == kDialogClass && MessageTextControl(window) != nullptr;
}

HWND FindMessageBox(DWORD pid)
{
    for (HWND window : TopWindows(pid)) {
        if (IsMessageBox(window)) {
            return window;
        }
    }
    return nullptr;
}

HWND WaitForMessageBox(DWORD pid, DWORD timeoutMs)
{
    return WaitFor(timeoutMs, [&] { return FindMessageBox(pid); });
}

HWND FindOwnedMessageBox(HWND owner)
{
    for (HWND window : TopWindows(WindowProcessId(owner))) {
        if (GetWindow(window, GW_OWNER) == owner && IsMessageBox(window)) {
            return window;
        }
    }
    return nullptr;
}

std::wstring MessageBoxText(HWND box) { return WindowText(MessageTextControl(box)); }

std::vector<DialogButton> DialogButtons(HWND dialog)
{
    std::vector<DialogButton> buttons;
    for (HWND child : Children(dialog)) {
        if (!IsWindowVisible(child) || ClassName(child) != L"Button") {
            continue;
        }
        const LONG type = GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
        if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
            buttons.push_back({child, ControlId(child), WindowText(child)});
        }
    }
    return buttons;
}

bool PressDialogButton(HWND dialog, int id)
{
    for (const DialogButton& button : DialogButtons(dialog)) {
        if (button.id == id) {
            return Click(button.window);
        }
    }
    return false;
}

bool PressDialogButtonByCaption(HWND dialog, const std::wstring& caption)
{
    const std::wstring wanted = WithoutMnemonics(caption);
    for (const DialogButton& button : DialogButtons(dialog)) {
        if (WithoutMnemonics(button.caption) == wanted) {
            return Click(button.window);
        }
    }
    return false;
}

bool AnswerMessageBox(DWORD pid, int id, DWORD timeoutMs)
{
    const Deadline deadline(timeoutMs);
    HWND box = WaitForMessageBox(pid, deadline.Remaining());
    return box && PressDialogButton(box, id) && WaitForWindowGone(box, deadline.Remaining());
}

}  // namespace automation
