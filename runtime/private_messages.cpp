#include "runtime/private_messages.h"

namespace rt {
namespace {

struct NamedMessage {
    UINT message;
    const char* name;
};

constexpr NamedMessage kNames[] = {
    {kExitRequestMessage, "exit request"},
    {kRunOnWindowThreadMessage, "worker requests waiting"},
    {kCarryOutCloseMessage, "carry out close"},
    {kAllUnitsCreatedMessage, "all units created"},
    {kWindowUnitsCreatedMessage, "window's units created"},
    {kLoadFinishedMessage, "load finished"},
    {kFeedbackMessage, "label feedback"},
};

}  // namespace

const char* PrivateMessageName(UINT message)
{
    for (const NamedMessage& named : kNames) {
        if (named.message == message) {
            return named.name;
        }
    }
    return nullptr;
}

}  // namespace rt
