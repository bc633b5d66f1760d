// Template blocks for the tests: the smallest block written out by hand, byte by byte, with the
// positions of its fields, and a richer block built as structs.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "runtime/templates/template_block.h"

namespace test_blocks {

// Little-endian bytes appended by hand.
struct Bytes {
    std::vector<uint8_t> data;

    Bytes& u32(uint32_t value)
    {
        for (int shift = 0; shift < 32; shift += 8) {
            data.push_back(static_cast<uint8_t>(value >> shift));
        }
        return *this;
    }
    Bytes& z(std::string_view text)
    {
        data.insert(data.end(), text.begin(), text.end());
        data.push_back(0);
        return *this;
    }
    Bytes& raw(std::initializer_list<uint8_t> bytes)
    {
        data.insert(data.end(), bytes);
        return *this;
    }
};

// Positions of fields in SmallBlock().
namespace at {
inline constexpr size_t kIndexLength = 0;
inline constexpr size_t kWindowId = 4;
inline constexpr size_t kFirstText = 20;
inline constexpr size_t kUnitCount = 28;
inline constexpr size_t kListLength = 32;
inline constexpr size_t kUnitId = 36;
inline constexpr size_t kOffset = 40;
inline constexpr size_t kRecordLength = 44;
inline constexpr size_t kKind = 48;
inline constexpr size_t kEventSource = 52;
inline constexpr size_t kName = 72;
inline constexpr size_t kContainer = 98;
inline constexpr size_t kChildCount = 102;
inline constexpr size_t kPointerLength = 106;
inline constexpr size_t kEventCount = 127;
inline constexpr size_t kPropertyData = 159;
inline constexpr size_t kEnd = 161;
}  // namespace at

// One window (0x52000001, second id 0x19000002) holding only its own unit (0x06000003): kind
// 0x00010001, rect 50, 50, 602, 489, visible, the default mouse pointer (4 zero bytes), event 0
// bound to sub offset 0, property data "AB".
inline std::vector<uint8_t> SmallBlock()
{
    Bytes b;
    b.u32(8).u32(0x52000001).u32(0);                       // window index: id, room for the object
    b.u32(0).u32(0x19000002).u32(0).u32(0);                // unused word, second id, two empty texts
    b.u32(1).u32(125);                                     // unit count, unit list length
    b.u32(0x06000003).u32(0);                              // unit ids, offsets
    b.u32(113);                                            // record length
    b.u32(0x00010001).u32(0).u32(0).u32(0).u32(0).u32(0);  // kind, event source, reserved
    b.z("").z("");                                         // name, remark
    b.u32(0).u32(50).u32(50).u32(602).u32(489).u32(0);     // object slot, rect, cursor slot
    b.u32(0).u32(0);                                       // container, child count
    b.u32(4).u32(0);                                       // mouse pointer
    b.z("");                                               // tag
    b.u32(0).u32(rt::kUnitVisible).u32(0);                 // reserved, flags, reserved
    b.u32(1).u32(0).u32(0);                                // one binding: event 0, sub offset 0
    b.u32(0).u32(0).u32(0).u32(0).u32(0);                  // reserved
    b.raw({'A', 'B'});                                     // property data
    return b.data;
}

inline void Patch32(std::vector<uint8_t>& bytes, size_t position, uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        bytes[position + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

inline rt::UnitRecord PlacedRecord(uint32_t id, uint32_t kind, std::string_view name)
{
    rt::UnitRecord unit;
    unit.id = id;
    unit.kind = kind;
    unit.name = name;
    unit.body = rt::PlacedUnit{};
    unit.placed().mousePointer = {0, 0, 0, 0};
    return unit;
}

// Two windows. The first holds its own unit, a paged group box (two pages) with three children, a
// menu item, and a second button whose bindings come from the first button. Stored words that
// the runtime ignores hold values other than 0, so that keeping them shows.
inline rt::TemplateBlock RichBlock()
{
    rt::TemplateBlock block;
    rt::WindowRecord& first = block.windows.emplace_back();
    first.id = 0x52000010;
    first.storedObjectWord = 0xdeadbeef;
    first.unusedWord = 7;
    first.secondId = 0x19000011;
    first.firstText = "one";
    first.secondText = "two";

    rt::UnitRecord window = PlacedRecord(0x06000012, 0x00010001, "");
    window.placed().rect = {50, 50, 602, 489};
    window.placed().flags = rt::kUnitVisible;
    window.placed().bindings = {{0, 3}, {2, rt::kNoSubOffset}};
    window.placed().propertyData = {6, 0, 0, 0};
    first.units.push_back(window);

    rt::UnitRecord group = PlacedRecord(0x16000013, 0x00010009, "group");
    group.reservedWords = {1, 2, 3, 4};
    group.placed().rect = {7, 384, 465, 65};
    group.placed().children = {0x16000014, 0, 0x16000015, 0x16000017};
    group.placed().tag = "tagged";
    group.placed().storedObjectSlot = 0x11111111;
    group.placed().storedCursorSlot = 0x22222222;
    group.placed().reservedBeforeFlags = 5;
    group.placed().reservedAfterFlags = 6;
    group.placed().reservedAfterBindings = {7, 8, 9, 10, 11};
    first.units.push_back(group);

    rt::UnitRecord button = PlacedRecord(0x16000014, 0x0001000b, "button");
    button.remark = "remark";
    button.placed().container = 0x16000013;
    button.placed().rect = {9, -4, 92, 24};
    button.placed().flags = rt::kUnitVisible | rt::kUnitTakesFocus;
    button.placed().bindings = {{0, 0}, {-1, 1}};
    button.placed().mousePointer = {0xff, 0xff, 0xff, 0xff, 1, 2, 3};
    first.units.push_back(button);

    rt::UnitRecord shared = PlacedRecord(0x16000015, 0x0001000b, "shared");
    shared.eventSource = 0x16000014;
    shared.placed().container = 0x16000013;
    shared.placed().flags = rt::kUnitDisabled;
    shared.placed().mousePointer.clear();
    first.units.push_back(shared);

    rt::UnitRecord item;
    item.id = 0x26000016;
    item.kind = 0x00010003;
    item.name = "item";
    rt::MenuItem menu;
    menu.reservedWords = {12, 13};
    menu.itemFlags = rt::kMenuItemChecked;
    menu.caption = "&File";
    menu.clickSubOffset = 2;
    item.body = menu;
    first.units.push_back(item);

    rt::UnitRecord edit = PlacedRecord(0x16000017, 0x00010005, "edit");
    edit.placed().container = 0x16000013;
    edit.placed().propertyData = {2, 0, 0, 0, 9};
    first.units.push_back(edit);

    rt::WindowRecord& second = block.windows.emplace_back();
    second.id = 0x52000020;
    second.secondId = 0x19000021;
    second.units.push_back(PlacedRecord(0x06000022, 0x00010001, ""));
    return block;
}

}  // namespace test_blocks
