#include "runtime/templates/template_writer.h"

#include "runtime/templates/byte_writer.h"

namespace rt {

namespace {

void WritePlacedUnit(ByteWriter& out, const PlacedUnit& unit)
{
    out.u32(unit.storedObjectSlot);
    out.i32(unit.rect.left);
    out.i32(unit.rect.top);
    out.i32(unit.rect.width);
    out.i32(unit.rect.height);
    out.u32(unit.storedCursorSlot);
    out.u32(unit.container);
    out.u32(static_cast<uint32_t>(unit.children.size()));
    for (uint32_t child : unit.children) {
        out.u32(child);
    }
    out.countedBytes(unit.mousePointer);
    out.zeroText(unit.tag);
    out.u32(unit.reservedBeforeFlags);
    out.u32(unit.flags);
    out.u32(unit.reservedAfterFlags);
    out.u32(static_cast<uint32_t>(unit.bindings.size()));
    for (const EventBinding& binding : unit.bindings) {
        out.i32(binding.event);
        out.u32(binding.subOffset);
    }
    for (uint32_t word : unit.reservedAfterBindings) {
        out.u32(word);
    }
    out.bytes(unit.propertyData);
}

void WriteMenuItem(ByteWriter& out, const MenuItem& item)
{
    for (uint32_t word : item.reservedWords) {
        out.u32(word);
    }
    out.u32(item.itemFlags);
    out.zeroText(item.caption);
    out.u32(item.clickSubOffset);
}

void WriteUnitRecord(ByteWriter& out, const UnitRecord& unit)
{
    size_t record = out.beginBlock();
    out.u32(unit.kind);
    out.u32(unit.eventSource);
    for (uint32_t word : unit.reservedWords) {
        out.u32(word);
    }
    out.zeroText(unit.name);
    out.zeroText(unit.remark);
    if (unit.isMenuItem()) {
        WriteMenuItem(out, unit.menuItem());
    } else {
        WritePlacedUnit(out, unit.placed());
    }
    out.endBlock(record);
}

// C ids, C offsets from the end of the two arrays, then the records in list order.
void WriteUnitList(ByteWriter& out, const std::vector<UnitRecord>& units)
{
    ByteWriter records;
    std::vector<uint32_t> offsets;
    for (const UnitRecord& unit : units) {
        offsets.push_back(static_cast<uint32_t>(records.size()));
        WriteUnitRecord(records, unit);
    }
    size_t list = out.beginBlock();
    for (const UnitRecord& unit : units) {
        out.u32(unit.id);
    }
    for (uint32_t offset : offsets) {
        out.u32(offset);
    }
    out.bytes(records.data());
    out.endBlock(list);
}

void WriteWindowRecord(ByteWriter& out, const WindowRecord& window)
{
    out.u32(window.unusedWord);
    out.u32(window.secondId);
    out.countedText(window.firstText);
    out.countedText(window.secondText);
    out.u32(static_cast<uint32_t>(window.units.size()));
    WriteUnitList(out, window.units);
}

}  // namespace

std::vector<uint8_t> WriteTemplateBlock(const TemplateBlock& block)
{
    ByteWriter out;
    size_t index = out.beginBlock();
    for (const WindowRecord& window : block.windows) {
        out.u32(window.id);
    }
    for (const WindowRecord& window : block.windows) {
        out.u32(window.storedObjectWord);
    }
    out.endBlock(index);
    for (const WindowRecord& window : block.windows) {
        WriteWindowRecord(out, window);
    }
    return out.take();
}

}  // namespace rt
