#include "runtime/runtime_window.h"

#include "runtime/runtime_app.h"
#include "runtime/shutdown.h"
#include "runtime/trace.h"
#include "runtime/window/window_thread.h"

namespace rt {
namespace {

constexpr wchar_t kRuntimeWindowClass[] = L"ZorviRuntimeWindow";

ApplicationIcons icons;
bool iconsLoaded = false;

LRESULT CALLBACK RuntimeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kExitRequestMessage) {
        ExitProgram(static_cast<int>(wParam));
    }
    // Logging off ends the program in its shut-down order, as closing its last window does: the
    // system ends the process once this message is answered.
    if (message == WM_ENDSESSION && wParam) {
        ExitProgram(0);
    }
    if (message == kRunOnWindowThreadMessage) {
        RunWaitingRequests();
        return 0;
    }
    if (IsPrivateMessage(message)) {
        Trace("private message 0x%04X (%s) sent to the runtime window, which does not take it", message,
              PrivateMessageName(message) ? PrivateMessageName(message) : "unknown");
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void CreateRuntimeWindow()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = RuntimeWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kRuntimeWindowClass;
    RegisterClassW(&windowClass);
    App().runtimeWindow = CreateWindowExW(WS_EX_TOOLWINDOW, kRuntimeWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                          nullptr, instance, nullptr);
}

void DestroyRuntimeWindow()
{
    if (App().runtimeWindow) {
        DestroyWindow(App().runtimeWindow);
    }
    App().runtimeWindow = nullptr;
}

const ApplicationIcons& ApplicationIcon()
{
    if (!iconsLoaded) {
        HINSTANCE instance = GetModuleHandleW(nullptr);
        icons.big = static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                  GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
        icons.small =
            static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                          GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
        iconsLoaded = true;
    }
    return icons;
}

void DestroyApplicationIcons()
{
    if (icons.big) {
        DestroyIcon(icons.big);
    }
    if (icons.small) {
        DestroyIcon(icons.small);
    }
    icons = {};
    iconsLoaded = false;
}

}  // namespace rt
