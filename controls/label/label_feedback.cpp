#include "controls/label/label_feedback.h"

#include <map>
#include <mutex>
#include <utility>

#include "commands/core/command_args.h"
#include "runtime/templates/unit_kinds.h"
#include "runtime/window/window_thread.h"

namespace rt::units {
namespace {

using UnitKey = std::pair<uint32_t, uint32_t>;

struct FeedbackWindows {
    std::mutex lock;
    std::map<UnitKey, HWND> windows;
};

FeedbackWindows& Table()
{
    static FeedbackWindows table;
    return table;
}

// Omitted means wait; a number counts as a logical by being non-zero.
bool WaitArgument(const ValueTriple& value)
{
    if (value.omitted()) {
        return true;
    }
    if (value.type == kLogical) {
        return value.low != 0;
    }
    return IntegerOf(value).value_or(0) != 0;
}

}  // namespace

void EnterFeedbackWindow(uint32_t windowId, uint32_t unitId, HWND window)
{
    FeedbackWindows& table = Table();
    std::lock_guard guard(table.lock);
    table.windows[{windowId, unitId}] = window;
}

void LeaveFeedbackWindow(uint32_t windowId, uint32_t unitId, HWND window)
{
    FeedbackWindows& table = Table();
    std::lock_guard guard(table.lock);
    auto entry = table.windows.find({windowId, unitId});
    // A label re-created in place has entered its new window before the old one goes.
    if (entry != table.windows.end() && entry->second == window) {
        table.windows.erase(entry);
    }
}

HWND FeedbackWindow(uint32_t windowId, uint32_t unitId)
{
    FeedbackWindows& table = Table();
    std::lock_guard guard(table.lock);
    auto entry = table.windows.find({windowId, unitId});
    return entry == table.windows.end() ? nullptr : entry->second;
}

void RaiseFeedbackCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    commands::CommandArgs arguments(argCount, args);
    *result = MakeInt(0);
    const ValueTriple& label = arguments[0];
    if (label.type != kLabelKind) {
        return;
    }
    HWND window = FeedbackWindow(label.low, label.high);
    if (!window) {
        return;
    }
    auto a = static_cast<WPARAM>(static_cast<uint32_t>(IntegerOf(arguments[1]).value_or(0)));
    auto b = static_cast<LPARAM>(static_cast<uint32_t>(IntegerOf(arguments[2]).value_or(0)));
    if (!WaitArgument(arguments[3])) {
        PostMessageW(window, kFeedbackMessage, a, b);
        return;
    }
    // A waiting call runs the handler from the window thread's loop like every call a worker makes
    // there, not inside a message sent from the worker.
    LRESULT answer = 0;
    RunOnWindowThread([&] { answer = SendMessageW(window, kFeedbackMessage, a, b); });
    *result = MakeInt(static_cast<int32_t>(answer));
}

}  // namespace rt::units
