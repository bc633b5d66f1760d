#include "runtime/runtime_service.h"

#include <map>
#include <mutex>

#include "runtime/memory.h"
#include "runtime/message_loop.h"
#include "runtime/numeric_values.h"
#include "runtime/owned_values.h"
#include "runtime/runtime_app.h"
#include "runtime/runtime_error.h"
#include "runtime/runtime_window.h"
#include "runtime/shutdown.h"
#include "runtime/values.h"

namespace rt {
namespace {

std::mutex handlersMutex;
std::map<int, ServiceHandler>& Handlers()
{
    static std::map<int, ServiceHandler> handlers;
    return handlers;
}

ServiceHandler HandlerFor(int code)
{
    std::lock_guard lock(handlersMutex);
    auto found = Handlers().find(code);
    return found == Handlers().end() ? nullptr : found->second;
}

uintptr_t AsWord(const void* p) { return reinterpret_cast<uintptr_t>(p); }

}  // namespace

void SetServiceHandler(int code, ServiceHandler handler)
{
    std::lock_guard lock(handlersMutex);
    Handlers()[code] = handler;
}

int32_t NumericToInteger(const ValueTriple& value)
{
    std::optional<int32_t> integer = IntegerOf(value);
    if (!integer) {
        ReportRuntimeError(messages::kNotNumeric, 0);
    }
    return *integer;
}

int64_t RuntimeService(int code, uintptr_t arg1, uintptr_t arg2)
{
    RuntimeApp& app = App();
    switch (code) {
    case kServiceApplicationIcon: {
        const ApplicationIcons& icons = ApplicationIcon();
        if (arg1) {
            *reinterpret_cast<HICON*>(arg1) = icons.big;
        }
        if (arg2) {
            *reinterpret_cast<HICON*>(arg2) = icons.small;
        }
        return static_cast<int64_t>(AsWord(icons.big));
    }
    case kServiceToInteger:
        return NumericToInteger(*reinterpret_cast<const ValueTriple*>(arg1));
    case kServiceProgramDirectory:
        return static_cast<int64_t>(AsWord(NewText(app.programDirectory)));
    case kServiceProgramFileName:
        return static_cast<int64_t>(AsWord(NewText(app.programFileName)));
    case kServiceBeginWindowLoad:
        ProcessPendingMessages();
        SuspendEvents();
        return 0;
    case kServiceEndWindowLoad:
        ProcessPendingMessages();
        ResumeEvents();
        return 0;
    case kServiceEventSource:
        return static_cast<int64_t>(app.currentEventSource.windowId | uint64_t{app.currentEventSource.unitId} << 32);
    case kServiceProcessMessages:
        ProcessPendingMessages();
        return 0;
    case kServiceReleaseValue:
        ReleaseValue(reinterpret_cast<void*>(arg1), static_cast<uint32_t>(arg2));
        return 0;
    case kServiceAllocate:
        return static_cast<int64_t>(AsWord(arg2 ? TryAllocMem(arg1) : AllocMem(arg1)));
    case kServiceFree:
        FreeMem(reinterpret_cast<void*>(arg1));
        return 0;
    case kServiceReallocate:
        return static_cast<int64_t>(AsWord(ReallocMem(reinterpret_cast<void*>(arg1), arg2)));
    case kServiceErrorReport:
        ReportRuntimeError(reinterpret_cast<const char*>(arg1), static_cast<int>(arg2));
    case kServiceExitProgram:
        ExitProgram(static_cast<int>(arg1));
    case kServiceRunMode:
        return app.runMode;
    default:
        break;
    }
    if (ServiceHandler handler = HandlerFor(code)) {
        return handler(arg1, arg2);
    }
    return 0;
}

}  // namespace rt
