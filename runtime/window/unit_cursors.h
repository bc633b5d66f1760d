// Unit cursors made from the mouse-pointer data (common property 7) of unit records. Stored data
// keeps the system cursor number in its first word; reads give the public code 0..14 back.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/templates/template_collection.h"
#include "runtime/win32/owned_handles.h"

namespace rt {

// What a cursor slot holds: a shared system cursor, or one made from cursor file bytes and owned.
struct UnitCursor {
    HCURSOR handle = nullptr;
    UniqueCursor owned;
};

// The cursor of the data, or null for empty data and the default cursor.
std::unique_ptr<UnitCursor> CursorFromPointerData(const std::vector<uint8_t>& stored);

// Property 7 written with public data: the public code becomes the system cursor number.
std::vector<uint8_t> StoredPointerData(const uint8_t* data, size_t length);
// Property 7 read: the stored system number given back as the public code.
std::vector<uint8_t> PublicPointerData(const std::vector<uint8_t>& stored);

// Makes (or remakes) the cursor of the unit at position from its record, destroying the old one.
void RefreshUnitCursor(WindowTemplate& window, size_t position);
// Destroys every cursor of a window's units and clears their slots.
void DestroyUnitCursors(WindowTemplate& window);

// The cursor of the unit whose control is the given window, or null.
HCURSOR UnitCursorAt(uint32_t windowId, HWND control);

}  // namespace rt
