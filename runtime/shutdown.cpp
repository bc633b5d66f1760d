#include "runtime/shutdown.h"

#include <windows.h>

#include <ole2.h>

#include "runtime/memory.h"
#include "runtime/runtime_app.h"
#include "runtime/runtime_window.h"
#include "runtime/window/window_thread.h"

namespace rt {
namespace {

void (*windowTeardown)() = nullptr;
void (*pictureTeardown)() = nullptr;

// A main thread that does not answer within this time (blocked in a long handler) does not keep
// the process alive: the worker ends it directly.
constexpr UINT kExitRequestTimeoutMs = 10000;

void FinishLibraries()
{
    RuntimeApp& app = App();
    for (size_t i = 0; i < app.libraries.size(); ++i) {
        if (app.libraries[i]->notify) {
            app.libraries[i]->notify(kNotifyFinishing, app.libraryData[i], 0);
        }
    }
    app.libraries.clear();
    app.libraryData.clear();
}

void ReleaseDllModules()
{
    DllCommandTables& dll = App().dll;
    for (HMODULE module : dll.modules) {
        if (module) {
            FreeLibrary(module);
        }
    }
    dll = {};
    if (App().dllRedirectModule) {
        FreeLibrary(App().dllRedirectModule);
        App().dllRedirectModule = nullptr;
    }
}

}  // namespace

void SetWindowTeardown(void (*destroyAllWindows)()) { windowTeardown = destroyAllWindows; }
void SetPictureTeardown(void (*releaseAllPictures)()) { pictureTeardown = releaseAllPictures; }

void ShutDownRuntime(int exitCode)
{
    RuntimeApp& app = App();
    SuspendEvents();
    if (app.mainThreadId != 0 && !app.onMainThread()) {
        if (app.runtimeWindow) {
            DWORD_PTR ignored;
            SendMessageTimeoutW(app.runtimeWindow, kExitRequestMessage, static_cast<WPARAM>(exitCode), 0, SMTO_NORMAL,
                                kExitRequestTimeoutMs, &ignored);
        }
        if (!app.shuttingDown) {
            ExitProcess(static_cast<UINT>(exitCode));
        }
        return;
    }
    if (app.shuttingDown.exchange(true)) {
        return;
    }
    HoldWorkerRequests();

    if (windowTeardown) {
        windowTeardown();
    }
    if (void (*routine)() = app.exitRoutine) {
        app.exitRoutine = nullptr;
        routine();
    }
    FinishLibraries();
    ReleaseDllModules();

    app.programDirectory.clear();
    app.programFileName.clear();
    ClearConstantRanges();
    DestroyApplicationIcons();
    DestroyRuntimeWindow();

    if (pictureTeardown) {
        pictureTeardown();
    }
    if (app.oleInitialised) {
        OleUninitialize();
        app.oleInitialised = false;
    }
}

void ExitProgram(int exitCode)
{
    ShutDownRuntime(exitCode);
    ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace rt
