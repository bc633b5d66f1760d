// Keeps Wine's desktop process alive while tests run. Wine starts the desktop (explorer.exe) from
// the first program that makes a window and ends it a while after the last such program ended.
// Started by a test under ctest, it would inherit the test's output pipe and ctest would wait for
// it; started here first, detached, it serves every test and holds no pipe. Ends by itself after
// a few hours in case nobody stops it.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    constexpr UINT kLifetimeMs = 4 * 60 * 60 * 1000;
    SetTimer(nullptr, 0, kLifetimeMs, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0 && message.message != WM_TIMER) {
        DispatchMessageW(&message);
    }
    return 0;
}
