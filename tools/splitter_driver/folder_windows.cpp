#include "tools/splitter_driver/folder_windows.h"

#include "tools/automation/input.h"
#include "tools/automation/process.h"
#include "tools/automation/wait.h"
#include "tools/automation/window_query.h"

namespace splitter {
namespace {

// The class of the file browser's window on Windows and under Wine.
constexpr wchar_t kBrowserClass[] = L"CabinetWClass";
constexpr wchar_t kWineBrowserClass[] = L"ExplorerWClass";

}  // namespace

std::vector<HWND> FolderWindows(const std::wstring& folderName)
{
    std::vector<HWND> found;
    for (HWND window : automation::AllTopWindows()) {
        const std::wstring className = automation::ClassName(window);
        if (IsWindowVisible(window) && (className == kBrowserClass || className == kWineBrowserClass)) {
            wchar_t title[512];
            const int length = GetWindowTextW(window, title, 512);
            if (std::wstring(title, length > 0 ? length : 0) == folderName) {
                found.push_back(window);
            }
        }
    }
    return found;
}

HWND WaitForFolderWindow(const std::wstring& folderName, DWORD timeoutMs)
{
    return automation::WaitFor(timeoutMs, [&]() -> HWND {
        std::vector<HWND> windows = FolderWindows(folderName);
        return windows.empty() ? nullptr : windows.front();
    });
}

bool CloseFolderWindows(const std::wstring& folderName, DWORD timeoutMs)
{
    const automation::Deadline deadline(timeoutMs);
    bool closed = true;
    for (HWND window : FolderWindows(folderName)) {
        // The browser's process holds whatever output its starter had; it must not outlive the window.
        rt::UniqueHandle browser = automation::OpenProcessById(automation::WindowProcessId(window));
        automation::RequestClose(window);
        closed = automation::WaitForWindowGone(window, deadline.Remaining()) && closed;
        if (browser && WaitForSingleObject(browser.get(), deadline.Remaining()) != WAIT_OBJECT_0) {
            TerminateProcess(browser.get(), 1);
        }
    }
    return closed;
}

std::wstring FolderName(const std::wstring& folderPath)
{
    std::wstring path = folderPath;
    while (!path.empty() && (path.back() == L'\\' || path.back() == L'/')) {
        path.pop_back();
    }
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace splitter
