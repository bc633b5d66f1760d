#include "runtime/message_loop.h"

#include "runtime/program_templates.h"
#include "runtime/runtime_app.h"

namespace rt {
namespace {
MessageFilter messageFilter = nullptr;
}

void SetMessageFilter(MessageFilter filter) { messageFilter = filter; }

void DispatchOne(MSG& message)
{
    if (messageFilter && messageFilter(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void ProcessPendingMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
        if (message.message == WM_QUIT) return;
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return;
        DispatchOne(message);
    }
}

int RunMessageLoop()
{
    RuntimeApp& app = App();
    app.loopStarted = true;
    if (!AnyTemplateWindowAlive()) return app.quitCode;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchOne(message);
    app.quitCode = static_cast<int>(message.wParam);
    return app.quitCode;
}

}  // namespace rt
