// The program's own windows in a test process: the window layer with every unit kind the program
// uses, the program's template block, and a code base of handlers that do nothing.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace program_windows {

// Once per test program.
void Start();

HWND UnitHandle(uint32_t windowId, uint32_t unitId);
int64_t ReadNumber(uint32_t windowId, uint32_t unitId, int index);
std::string ReadText(uint32_t windowId, uint32_t unitId, int index);

}  // namespace program_windows
