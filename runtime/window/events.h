// Raising events: a unit reaches the application sub that its template binds to an event index.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "runtime/values.h"

namespace rt {

// Service 2008's record. A null unit id means the window's own unit.
struct EventRecord {
    uint32_t windowId = 0;
    uint32_t unitId = 0;
    int32_t event = 0;
    int32_t argCount = 0;  // 0 to 5
    int32_t args[5] = {};
    int32_t returned = 0;  // set to 1 when the handler returned a value
    int32_t value = 0;
};

// Service 2031's record: the same, with the arguments as value triples.
struct EventTriplesRecord {
    uint32_t windowId = 0;
    uint32_t unitId = 0;
    int32_t event = 0;
    int32_t argCount = 0;  // 0 to 5
    const ValueTriple* args = nullptr;
    int32_t returned = 0;
    int32_t value = 0;
};

// True when a handler ran. Dropped (false) while events are suspended; an unknown window or unit,
// or a kind without events, is a final runtime error.
bool RaiseEvent(EventRecord& record);
bool RaiseEventTriples(EventTriplesRecord& record);

// What a handler answered, for the frame's own events.
struct EventAnswer {
    bool ran = false;
    bool returned = false;
    int32_t value = 0;

    // A handler that returned false (0) vetoes or swallows.
    bool vetoed() const { return returned && value == 0; }
};
EventAnswer RaiseUnitEvent(uint32_t windowId, uint32_t unitId, int32_t event, std::initializer_list<int32_t> args = {});

// The words a value triple passes to a handler: bytes zero-extended, shorts sign-extended,
// date-times, longs, doubles and type 0x80000008 as two words, anything else as one. Returns the
// number of words written (1 or 2).
int EventWordsOf(const ValueTriple& value, int32_t* words);

}  // namespace rt
