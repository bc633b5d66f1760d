// Window and unit ids: the top byte names the class of thing, the low 24 bits are a serial number
// unique in the program.
#pragma once

#include <cstdint>

namespace rt {

enum class IdClass : uint8_t {
    kWindow = 0x52,      // a window template
    kWindowUnit = 0x06,  // the window's own unit, always unit 0 of its template
    kUnit = 0x16,        // a unit placed on a window
    kMenuItem = 0x26,
    kSecondId = 0x19,  // stored with each window record, not used at run time
};

constexpr bool IsValidId(uint32_t id) { return (id & 0xffffff) != 0 && (id & 0x0f000000) != 0; }

constexpr bool HasIdClass(uint32_t id, IdClass idClass)
{
    return IsValidId(id) && (id >> 24) == static_cast<uint32_t>(idClass);
}

}  // namespace rt
