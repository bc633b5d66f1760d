// automate.exe commands that find, read and act on windows, and look at the screen.
#include <cwchar>

#include "tools/automation/cli_commands.h"
#include "tools/automation/cli_output.h"
#include "tools/automation/input.h"
#include "tools/automation/screenshot.h"
#include "tools/automation/window_query.h"

namespace automation::cli {
namespace {

// A handle argument that must name a live window; one that has closed is not found.
HWND TakeWindow(Arguments& arguments)
{
    HWND window = ParseWindow(arguments.TakeWord(L"HWND"));
    if (!IsWindow(window)) {
        throw NotFound{L"no window " + HandleText(window)};
    }
    return window;
}

int Report(bool done, const wchar_t* failure)
{
    if (!done) {
        PrintError(failure);
        return kExitNotFound;
    }
    return kExitOk;
}

int PrintFound(HWND window)
{
    if (!window) {
        PrintError(L"no such window in time");
        return kExitNotFound;
    }
    PrintLine(HandleText(window));
    return kExitOk;
}

std::wstring RectText(const RECT& rect)
{
    return std::to_wstring(rect.left) + L"," + std::to_wstring(rect.top) + L"," + std::to_wstring(rect.right) + L"," +
           std::to_wstring(rect.bottom);
}

Key ParseKey(const std::wstring& word)
{
    if (word == L"enter") {
        return Key::kEnter;
    }
    if (word == L"esc") {
        return Key::kEscape;
    }
    if (word == L"tab") {
        return Key::kTab;
    }
    throw UsageError{L"unknown key " + word + L" (enter, esc or tab)"};
}

}  // namespace

int TopWindowsCommand(Arguments& arguments)
{
    const DWORD pid = ParsePid(arguments.TakeWord(L"PID"));
    arguments.ExpectEnd();
    for (HWND window : TopWindows(pid)) {
        PrintLine(HandleText(window) + L"\t" + ClassName(window) + L"\t" + (IsShown(window) ? L"1" : L"0") + L"\t" +
                  OneLine(WindowText(window)));
    }
    return kExitOk;
}

int WaitWindowCommand(Arguments& arguments)
{
    WindowQuery query;
    query.className = arguments.TakeOption(L"--class");
    query.title = arguments.TakeOption(L"--title");
    query.titleContains = arguments.TakeOption(L"--title-contains");
    const DWORD timeoutMs = TakeTimeout(arguments);
    const DWORD pid = ParsePid(arguments.TakeWord(L"PID"));
    arguments.ExpectEnd();
    return PrintFound(WaitForTopWindow(pid, query, timeoutMs));
}

int FindChildCommand(Arguments& arguments)
{
    ChildQuery query;
    query.className = arguments.TakeOption(L"--class");
    if (const std::optional<std::wstring> id = arguments.TakeOption(L"--id")) {
        query.id = ParseInt(*id, L"--id");
    }
    query.text = arguments.TakeOption(L"--text");
    const DWORD timeoutMs = TakeTimeout(arguments);
    HWND parent = TakeWindow(arguments);
    arguments.ExpectEnd();
    return PrintFound(WaitForChild(parent, query, timeoutMs));
}

int ChildrenCommand(Arguments& arguments)
{
    HWND parent = TakeWindow(arguments);
    arguments.ExpectEnd();
    for (HWND child : Children(parent)) {
        PrintLine(HandleText(child) + L"\t" + ClassName(child) + L"\t" + std::to_wstring(ControlId(child)) + L"\t" +
                  OneLine(WindowText(child)));
    }
    return kExitOk;
}

int TextCommand(Arguments& arguments)
{
    HWND window = TakeWindow(arguments);
    arguments.ExpectEnd();
    PrintLine(UnixLineEnds(WindowText(window)));
    return kExitOk;
}

int WaitTextCommand(Arguments& arguments)
{
    const DWORD timeoutMs = TakeTimeout(arguments);
    HWND window = TakeWindow(arguments);
    const std::wstring text = arguments.TakeWord(L"TEXT");
    arguments.ExpectEnd();
    return Report(WaitForText(window, text, timeoutMs), L"the text did not come in time");
}

int InfoCommand(Arguments& arguments)
{
    HWND window = TakeWindow(arguments);
    arguments.ExpectEnd();
    PrintLine(L"class=" + ClassName(window));
    PrintLine(L"id=" + std::to_wstring(ControlId(window)));
    PrintLine(L"visible=" + std::to_wstring(IsShown(window)));
    PrintLine(L"enabled=" + std::to_wstring(IsEnabled(window)));
    PrintLine(L"check=" + std::to_wstring(CheckState(window).value_or(0)));
    PrintLine(L"rect=" + RectText(ScreenRect(window)));
    PrintLine(L"rect-in-parent=" + RectText(RectInParent(window)));
    return kExitOk;
}

int ClickCommand(Arguments& arguments)
{
    HWND window = TakeWindow(arguments);
    arguments.ExpectEnd();
    return Report(Click(window), L"the window is hidden or disabled");
}

int SetTextCommand(Arguments& arguments)
{
    HWND window = TakeWindow(arguments);
    const std::wstring text = arguments.TakeWord(L"TEXT");
    arguments.ExpectEnd();
    return Report(SetText(window, text), L"the window did not take the text");
}

int TypeCommand(Arguments& arguments)
{
    HWND window = TakeWindow(arguments);
    const std::wstring text = arguments.TakeWord(L"TEXT");
    arguments.ExpectEnd();
    return Report(TypeText(window, text), L"the window did not take the characters");
}

int KeyCommand(Arguments& arguments)
{
    HWND window = TakeWindow(arguments);
    const Key key = ParseKey(arguments.TakeWord(L"KEY"));
    arguments.ExpectEnd();
    return Report(PressKey(window, key), L"the key could not be posted");
}

int FocusCommand(Arguments& arguments)
{
    HWND window = TakeWindow(arguments);
    arguments.ExpectEnd();
    return Report(Focus(window), L"the window did not take the focus");
}

int CloseCommand(Arguments& arguments)
{
    HWND window = TakeWindow(arguments);
    arguments.ExpectEnd();
    return Report(RequestClose(window), L"the close request could not be posted");
}

int ScreenshotCommand(Arguments& arguments)
{
    const std::wstring path = arguments.TakeWord(L"OUT.png");
    const std::optional<std::wstring> handle = arguments.TakeOptionalWord();
    arguments.ExpectEnd();
    if (!handle) {
        return Report(SaveScreenshot(path), L"the screenshot could not be written");
    }
    HWND window = ParseWindow(*handle);
    return Report(IsWindow(window) && SaveWindowScreenshot(window, path), L"the screenshot could not be written");
}

int PixelCommand(Arguments& arguments)
{
    const int x = ParseInt(arguments.TakeWord(L"X"), L"X");
    const int y = ParseInt(arguments.TakeWord(L"Y"), L"Y");
    arguments.ExpectEnd();
    const std::optional<COLORREF> colour = ScreenPixel(x, y);
    if (!colour) {
        PrintError(L"the pixel could not be read");
        return kExitNotFound;
    }
    wchar_t text[8];
    swprintf(text, std::size(text), L"%02X%02X%02X", GetRValue(*colour), GetGValue(*colour), GetBValue(*colour));
    PrintLine(text);
    return kExitOk;
}

}  // namespace automation::cli
