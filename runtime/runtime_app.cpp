#include "runtime/runtime_app.h"

#include "runtime/text_codec.h"

namespace rt {

RuntimeApp& App()
{
    static RuntimeApp app;
    return app;
}

void InitialiseRuntimeApp()
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::string full = GbkFromWide(std::wstring_view(path, length));
    App().initialDirectory = full.substr(0, full.rfind('\\') + 1);
}

void SuspendEvents() { ++App().eventsSuspended; }

void ResumeEvents()
{
    int current = App().eventsSuspended.load();
    while (current > 0 && !App().eventsSuspended.compare_exchange_weak(current, current - 1)) {
    }
}

}  // namespace rt
