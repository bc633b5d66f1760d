// The process entry of every program built on the runtime: the whole life of the program runs
// inside the application's entry sub; a normal end then shuts the runtime down and ends the
// process at once, so no static destructor runs while a worker thread may still use the runtime.
#include <windows.h>

#include "runtime/runtime_app.h"
#include "runtime/shutdown.h"
#include "runtime/start_runtime.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    rt::InitialiseRuntimeApp();
    rt::ApplicationEntry();
    rt::ShutDownRuntime(0);
    ExitProcess(static_cast<UINT>(rt::App().quitCode));
}
