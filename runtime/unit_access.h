// Property access by window id, unit id and index, and loading the start window.
#pragma once

#include <cstdint>

namespace rt {

int64_t ReadProperty(uint32_t windowId, uint32_t unitId, int index, int wholeValue);
void WriteProperty(uint32_t windowId, uint32_t unitId, int index, int subIndex, uintptr_t low, uint32_t high);

// Loads the start window; any failure is the final "载入启动窗口失败".
void LoadStartWindow(uint32_t windowId);

}  // namespace rt
