#include "runtime/window/events.h"

#include "runtime/program_templates.h"
#include "runtime/runtime_app.h"
#include "runtime/runtime_error.h"
#include "runtime/window/unit_kind_registry.h"

namespace rt {
namespace {

constexpr uint32_t kTwoWordType = 0x80000008;
constexpr int kMaxArgs = 5;

// The handler bound to the event, following the unit's event-source chain; null for none.
const ApplicationSub* FindHandler(uint32_t windowId, uint32_t unitId, int32_t event)
{
    WindowTemplate* window = ProgramTemplates().findWindow(windowId);
    if (!window) {
        ReportRuntimeError(messages::kEventWindowMissing, 0);
    }
    std::optional<size_t> position = unitId ? window->findUnitPosition(unitId) : std::optional<size_t>(0);
    if (!position || *position >= window->unitCount()) {
        ReportRuntimeError(messages::kEventUnitMissing, 0);
    }
    UnitRecord* unit = window->unitAt(window->bindingSourcePosition(*position));
    if (unit->isMenuItem()) {
        return unit->menuItem().clickHandler;
    }
    const UnitKindDescription* kind = FindUnitKind(unit->kind);
    if (!kind || (kind->flags & kind_flags::kRaisesEvents) == 0) {
        ReportRuntimeError(messages::kEventUnitInvalid, 0);
    }
    for (const EventBinding& binding : unit->placed().bindings) {
        if (binding.event == event) {
            return binding.handler;
        }
    }
    return nullptr;
}

// Runs the handler with the event source recorded, restoring the outer source afterwards (a
// handler may raise further events).
bool CallHandler(uint32_t windowId, uint32_t unitId, int32_t event, const int32_t* words, int count, int32_t& returned,
                 int32_t& value)
{
    if (!App().eventsAllowed()) {
        return false;
    }
    const ApplicationSub* handler = FindHandler(windowId, unitId, event);
    if (!handler || !*handler) {
        return false;
    }
    RuntimeApp& app = App();
    EventSource outer = app.currentEventSource;
    app.currentEventSource = {windowId, unitId};
    SubReturn answer = (*handler)(words, count);
    app.currentEventSource = outer;
    if (answer.returned) {
        returned = 1;
        value = answer.value;
    }
    return true;
}

}  // namespace

int EventWordsOf(const ValueTriple& value, int32_t* words)
{
    switch (value.type) {
    case kByte:
        words[0] = static_cast<uint8_t>(value.low);
        return 1;
    case kShort:
        words[0] = static_cast<int16_t>(value.low);
        return 1;
    case kDateTime:
    case kLong:
    case kDouble:
    case kTwoWordType:
        words[0] = static_cast<int32_t>(value.low);
        words[1] = static_cast<int32_t>(value.high);
        return 2;
    default:
        words[0] = static_cast<int32_t>(value.low);
        return 1;
    }
}

bool RaiseEvent(EventRecord& record)
{
    int count = record.argCount < 0 ? 0 : (record.argCount > kMaxArgs ? kMaxArgs : record.argCount);
    return CallHandler(record.windowId, record.unitId, record.event, record.args, count, record.returned, record.value);
}

bool RaiseEventTriples(EventTriplesRecord& record)
{
    int count = record.argCount < 0 ? 0 : (record.argCount > kMaxArgs ? kMaxArgs : record.argCount);
    int32_t words[2 * kMaxArgs] = {};
    int wordCount = 0;
    for (int i = 0; i < count && record.args; ++i) {
        wordCount += EventWordsOf(record.args[i], words + wordCount);
    }
    return CallHandler(record.windowId, record.unitId, record.event, words, wordCount, record.returned, record.value);
}

EventAnswer RaiseUnitEvent(uint32_t windowId, uint32_t unitId, int32_t event, std::initializer_list<int32_t> args)
{
    EventRecord record;
    record.windowId = windowId;
    record.unitId = unitId;
    record.event = event;
    for (int32_t arg : args) {
        if (record.argCount < kMaxArgs) {
            record.args[record.argCount++] = arg;
        }
    }
    EventAnswer answer;
    answer.ran = RaiseEvent(record);
    answer.returned = record.returned != 0;
    answer.value = record.value;
    return answer;
}

}  // namespace rt
