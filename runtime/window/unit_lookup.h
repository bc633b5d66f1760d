// Finding the live units of loaded windows.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>

#include "runtime/templates/template_collection.h"
#include "runtime/window/unit_kind.h"

namespace rt {

struct UnitLocation {
    WindowTemplate* window = nullptr;
    size_t position = 0;
    LiveUnit* unit = nullptr;
};

// The live unit object at a position, or null.
LiveUnit* LiveUnitAt(WindowTemplate& window, size_t position);

// The live unit whose control is exactly the handle, or null.
LiveUnit* UnitOfControl(HWND control);

// The unit whose control is the handle or its nearest ancestor that is one.
std::optional<UnitLocation> FindUnitByHandle(HWND control);

}  // namespace rt
