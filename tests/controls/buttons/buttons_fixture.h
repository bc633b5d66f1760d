// A window of button-family units in-process: a push button, a default button, a check box and
// two radio boxes on the window, and a group box holding a check box and two radio boxes. Event 0
// of every unit is bound to one handler that counts clicks by unit.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <vector>

#include "runtime/templates/template_block.h"

namespace buttons_test {

inline constexpr uint32_t kWindow = 0x52000201;
inline constexpr uint32_t kWindowUnit = 0x06000202;
inline constexpr uint32_t kButton = 0x16000203;
inline constexpr uint32_t kDefaultButton = 0x16000204;
inline constexpr uint32_t kCheckBox = 0x16000205;
inline constexpr uint32_t kRadioA = 0x16000206;
inline constexpr uint32_t kRadioB = 0x16000207;
inline constexpr uint32_t kGroup = 0x16000208;
inline constexpr uint32_t kGroupCheck = 0x16000209;
inline constexpr uint32_t kGroupRadioA = 0x1600020a;
inline constexpr uint32_t kGroupRadioB = 0x1600020b;

inline constexpr COLORREF kGroupColour = RGB(0, 200, 0);
inline constexpr COLORREF kGroupCheckColour = RGB(0, 0, 220);

// Installs and loads the window; the units' property data may be replaced by unit id.
bool LoadButtonsWindow(const std::map<uint32_t, std::vector<uint8_t>>& replacedData = {});
void CloseWindows();

HWND UnitHandle(uint32_t unitId);
// Clicks raised by unit id since the window was loaded.
int Clicks(uint32_t unitId);

int32_t Read(uint32_t unitId, int index);
void Write(uint32_t unitId, int index, int32_t value);
LONG_PTR StyleOf(uint32_t unitId);

}  // namespace buttons_test
