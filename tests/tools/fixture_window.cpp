// The fixture's windows: one with edits, buttons and labels that report what reached them, and a
// plain window painted one colour for the screenshot tests.
#include <string>
#include <vector>

#include "tests/tools/fixture.h"

namespace fixture {
namespace {

const wchar_t kWindowClass[] = L"AutomationFixture";
const wchar_t kSolidClass[] = L"AutomationFixtureSolid";

WNDPROC g_editProcedure = nullptr;
int g_clicks = 0;

LRESULT CALLBACK DigitsEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CHAR && wParam >= 32 && (wParam < L'0' || wParam > L'9')) {
        return 0;
    }
    return CallWindowProcW(g_editProcedure, window, message, wParam, lParam);
}

HWND AddControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int id, int x, int y)
{
    return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, 120, 24, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

// Labels sit on the main window; window may be any of its children.
void SetLabel(HWND window, int id, const std::wstring& text)
{
    SetDlgItemTextW(GetAncestor(window, GA_ROOT), id, text.c_str());
}

void CreateControls(HWND window)
{
    AddControl(window, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL, kPlainEdit, 10, 10);
    HWND digits = AddControl(window, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL, kDigitsEdit, 140, 10);
    g_editProcedure =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(digits, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DigitsEditProc)));
    AddControl(window, L"BUTTON", L"Press", BS_PUSHBUTTON, kPressButton, 10, 40);
    AddControl(window, L"STATIC", L"clicks: 0", 0, kClicksLabel, 140, 40);
    AddControl(window, L"BUTTON", L"Check", BS_AUTOCHECKBOX, kCheckBox, 10, 70);
    AddControl(window, L"BUTTON", L"One", BS_AUTORADIOBUTTON | WS_GROUP, kRadioOne, 10, 100);
    AddControl(window, L"BUTTON", L"Two", BS_AUTORADIOBUTTON, kRadioTwo, 140, 100);
    AddControl(window, L"STATIC", L"key:", WS_GROUP, kKeyLabel, 10, 130);
    AddControl(window, L"STATIC", L"focus:", 0, kFocusLabel, 140, 130);
    AddControl(window, L"BUTTON", L"Disabled", BS_PUSHBUTTON | WS_DISABLED, kDisabledButton, 10, 160);
    AddControl(window, L"BUTTON", L"Dialog", BS_PUSHBUTTON, kModalButton, 140, 160);
}

void OnCommand(HWND window, int id, int code)
{
    if (id == kPressButton && code == BN_CLICKED) {
        SetLabel(window, kClicksLabel, L"clicks: " + std::to_wstring(++g_clicks));
    } else if (id == kModalButton && code == BN_CLICKED) {
        MessageBoxW(window, L"modal", kModalTitle, MB_OK);
    } else if ((id == kPlainEdit || id == kDigitsEdit) && code == EN_SETFOCUS) {
        SetLabel(window, kFocusLabel, L"focus: " + std::to_wstring(id));
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateControls(window);
        return 0;
    case WM_COMMAND:
        OnCommand(window, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK SolidProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The loop records Enter, Esc and Tab as they pass, the way a program's loop sees its keys.
void RecordKey(const MSG& message)
{
    const wchar_t* name = message.wParam == VK_RETURN   ? L"enter"
                          : message.wParam == VK_ESCAPE ? L"esc"
                          : message.wParam == VK_TAB    ? L"tab"
                                                        : nullptr;
    if (name) {
        const std::wstring id = std::to_wstring(GetDlgCtrlID(message.hwnd));
        SetLabel(message.hwnd, kKeyLabel, std::wstring(L"key: ") + name + L" " + id);
    }
}

int RunLoop()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_KEYDOWN) {
            RecordKey(message);
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int RunWindow()
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, kWindowClass, kWindowTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 300, 240,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
    return window ? RunLoop() : 2;
}

int RunWindowHolding(int count)
{
    constexpr size_t kBlockSize = 64 * 1024;
    std::vector<HBRUSH> brushes;
    std::vector<std::vector<char>> blocks;
    for (int i = 0; i < count; ++i) {
        brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        blocks.emplace_back(kBlockSize, static_cast<char>(i | 1));
    }
    const int result = RunWindow();
    for (HBRUSH brush : brushes) {
        DeleteObject(brush);
    }
    return result;
}

int RunSolid(COLORREF colour, const RECT& rect)
{
    HBRUSH brush = CreateSolidBrush(colour);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = SolidProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = brush;
    windowClass.lpszClassName = kSolidClass;
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kSolidClass, kSolidTitle, WS_POPUP | WS_VISIBLE,
                                  rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
    const int result = window ? RunLoop() : 2;
    DeleteObject(brush);
    return result;
}

}  // namespace fixture
