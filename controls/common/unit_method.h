// Unit methods (OpenLink, Clear, DrawPicture, Show, RaiseFeedback, ...) are core commands whose
// first argument is the unit: a unit reference with the window id in its low word, the unit id in
// its high word and the unit's kind as its type. They work on the window thread, like every unit
// operation that may come from a worker thread.
#pragma once

#include <cstdint>

#include "runtime/runtime_service.h"
#include "runtime/values.h"
#include "runtime/window/unit_kind.h"
#include "runtime/window/window_thread.h"

namespace rt::units {

// The live unit a reference names when it is a unit of that kind; null otherwise. Window thread.
template <class Unit>
Unit* UnitOfReference(const ValueTriple& reference, uint32_t kind)
{
    if (reference.type != kind) {
        return nullptr;
    }
    auto* unit = reinterpret_cast<LiveUnit*>(RuntimeService(kServiceUnitObject, reference.low, reference.high));
    return dynamic_cast<Unit*>(unit);
}

// Runs work(unit) on the window thread for the unit the reference names; false, without running
// it, when the reference names no live unit of the kind.
template <class Unit, class Work>
bool RunUnitMethod(const ValueTriple& reference, uint32_t kind, Work&& work)
{
    bool found = false;
    RunOnWindowThread([&] {
        if (Unit* unit = UnitOfReference<Unit>(reference, kind)) {
            found = true;
            work(*unit);
        }
    });
    return found;
}

}  // namespace rt::units
