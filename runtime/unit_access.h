// Property access by window id, unit id and index, by unit object, and loading the start window.
#pragma once

#include <cstdint>

namespace rt {

int64_t ReadProperty(uint32_t windowId, uint32_t unitId, int index, int wholeValue);
void WriteProperty(uint32_t windowId, uint32_t unitId, int index, int subIndex, uintptr_t low, uint32_t high);

// The kind's own property number of a live unit object (misc sub-functions 4 and 5).
int64_t ReadUnitPropertyByRef(uint32_t kind, void* unitObject, int number);
void WriteUnitPropertyByRef(uint32_t kind, void* unitObject, int number, int subIndex, uintptr_t low);

// Loads the start window; any failure is the final "载入启动窗口失败".
void LoadStartWindow(uint32_t windowId);

}  // namespace rt
