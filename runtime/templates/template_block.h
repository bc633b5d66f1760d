// The window template block as structs: one record per window, each with its unit records.
// Every stored word is kept, also those the runtime does not use, so that writing a block that was
// read gives back the same bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "runtime/program_header.h"

namespace rt {

// A stored sub offset that binds no handler.
inline constexpr uint32_t kNoSubOffset = 0xffffffff;

// Unit flag bits.
inline constexpr uint32_t kUnitVisible = 0x1;
inline constexpr uint32_t kUnitDisabled = 0x2;
inline constexpr uint32_t kUnitTakesFocus = 0x4;

// Menu item flag bits.
inline constexpr uint32_t kMenuItemHidden = 0x1;
inline constexpr uint32_t kMenuItemDisabled = 0x2;
inline constexpr uint32_t kMenuItemChecked = 0x4;

struct EventBinding {
    int32_t event = 0;
    uint32_t subOffset = kNoSubOffset;
    // Filled by ResolveBindings: the code-base entry, or null for no handler.
    const ApplicationSub* handler = nullptr;

    bool operator==(const EventBinding&) const = default;
};

struct UnitRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;

    bool operator==(const UnitRect&) const = default;
};

// The body of every unit record except menu items.
struct PlacedUnit {
    uint32_t storedObjectSlot = 0;   // 0 in storage; the live object is kept in WindowTemplate
    UnitRect rect;                   // relative to the container's client area
    uint32_t storedCursorSlot = 0;   // 0 in storage; the live cursor is kept in WindowTemplate
    uint32_t container = 0;          // id of the container unit, 0 for the window
    std::vector<uint32_t> children;  // ids of the units inside; a 0 separates pages
    std::vector<uint8_t> mousePointer;
    std::string tag;
    uint32_t reservedBeforeFlags = 0;
    uint32_t flags = 0;
    uint32_t reservedAfterFlags = 0;
    std::vector<EventBinding> bindings;
    std::array<uint32_t, 5> reservedAfterBindings{};
    std::vector<uint8_t> propertyData;  // the kind's own properties; empty means all defaults

    bool operator==(const PlacedUnit&) const = default;
};

struct MenuItem {
    std::array<uint32_t, 2> reservedWords{};
    uint32_t itemFlags = 0;
    std::string caption;
    uint32_t clickSubOffset = kNoSubOffset;
    const ApplicationSub* clickHandler = nullptr;  // filled by ResolveBindings

    bool operator==(const MenuItem&) const = default;
};

struct UnitRecord {
    uint32_t id = 0;
    uint32_t kind = 0;
    uint32_t eventSource = 0;  // 0, or a unit of the same kind whose bindings this one uses
    std::array<uint32_t, 4> reservedWords{};
    std::string name;
    std::string remark;
    std::variant<PlacedUnit, MenuItem> body;

    bool isMenuItem() const { return std::holds_alternative<MenuItem>(body); }
    PlacedUnit& placed() { return std::get<PlacedUnit>(body); }
    const PlacedUnit& placed() const { return std::get<PlacedUnit>(body); }
    MenuItem& menuItem() { return std::get<MenuItem>(body); }
    const MenuItem& menuItem() const { return std::get<MenuItem>(body); }

    bool operator==(const UnitRecord&) const = default;
};

struct WindowRecord {
    uint32_t id = 0;
    uint32_t storedObjectWord = 0;  // the index's room for the window object; meaningless in storage
    uint32_t unusedWord = 0;
    uint32_t secondId = 0;
    std::string firstText;
    std::string secondText;
    std::vector<UnitRecord> units;  // unit 0 is the window's own unit

    bool operator==(const WindowRecord&) const = default;
};

struct TemplateBlock {
    std::vector<WindowRecord> windows;

    bool operator==(const TemplateBlock&) const = default;
};

}  // namespace rt
