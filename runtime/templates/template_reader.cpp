// Reads the window template block: a window index (N window ids, then N words of room for the
// window objects), then N window records, each with its unit list (C unit ids, C offsets counted
// from byte 8C, then the unit records, each a u32 length and that many bytes). Unit records of
// every kind are parsed into structs; menu items (kind 0x00010003) have their own short layout.
//
// Refused, so that every accepted block is also written back byte for byte: a length or count
// larger than what is left; unit records that do not follow one another in list order from offset
// 0 without gaps; bytes left over after the last window record, after a unit list's last record or
// after a menu item's fields; a window without units; ids that break the rules of
// template_checks.h.
#include "runtime/templates/template_reader.h"

#include <span>

#include "runtime/byte_stream.h"
#include "runtime/templates/counted_fields.h"
#include "runtime/templates/template_checks.h"
#include "runtime/templates/unit_kinds.h"

namespace rt {

namespace {

// A u32 count of items of itemSize bytes each, when that many bytes are left.
bool ReadItemCount(ByteReader& reader, size_t itemSize, uint32_t& count)
{
    count = reader.u32();
    if (!reader.ok() || count > reader.remaining() / itemSize) {
        reader.fail();
    }
    return reader.ok();
}

bool ReadBindings(ByteReader& reader, std::vector<EventBinding>& bindings)
{
    uint32_t count = 0;
    if (!ReadItemCount(reader, 8, count)) {
        return false;
    }
    bindings.resize(count);
    for (EventBinding& binding : bindings) {
        binding.event = reader.i32();
        binding.subOffset = reader.u32();
    }
    return reader.ok();
}

bool ReadPlacedUnit(ByteReader& reader, PlacedUnit& unit)
{
    unit.storedObjectSlot = reader.u32();
    unit.rect = {reader.i32(), reader.i32(), reader.i32(), reader.i32()};
    unit.storedCursorSlot = reader.u32();
    unit.container = reader.u32();
    uint32_t childCount = 0;
    if (!ReadItemCount(reader, 4, childCount)) {
        return false;
    }
    unit.children.resize(childCount);
    for (uint32_t& child : unit.children) {
        child = reader.u32();
    }
    if (!ReadCountedBytes(reader, unit.mousePointer) || !ReadZeroText(reader, unit.tag)) {
        return false;
    }
    unit.reservedBeforeFlags = reader.u32();
    unit.flags = reader.u32();
    unit.reservedAfterFlags = reader.u32();
    if (!ReadBindings(reader, unit.bindings)) {
        return false;
    }
    for (uint32_t& word : unit.reservedAfterBindings) {
        word = reader.u32();
    }
    if (!reader.ok()) {
        return false;
    }
    unit.propertyData.resize(reader.remaining());
    return reader.bytes(unit.propertyData.data(), unit.propertyData.size());
}

bool ReadMenuItem(ByteReader& reader, MenuItem& item)
{
    for (uint32_t& word : item.reservedWords) {
        word = reader.u32();
    }
    item.itemFlags = reader.u32();
    if (!ReadZeroText(reader, item.caption)) {
        return false;
    }
    item.clickSubOffset = reader.u32();
    return reader.ok() && reader.remaining() == 0;
}

std::optional<UnitRecord> ReadUnitRecord(std::span<const uint8_t> bytes, uint32_t id)
{
    MemoryStream stream(bytes.data(), bytes.size());
    ByteReader reader(stream);
    UnitRecord unit;
    unit.id = id;
    unit.kind = reader.u32();
    unit.eventSource = reader.u32();
    for (uint32_t& word : unit.reservedWords) {
        word = reader.u32();
    }
    if (!ReadZeroText(reader, unit.name) || !ReadZeroText(reader, unit.remark)) {
        return std::nullopt;
    }
    bool read = false;
    if (unit.kind == kMenuItemKind) {
        read = ReadMenuItem(reader, unit.body.emplace<MenuItem>());
    } else {
        read = ReadPlacedUnit(reader, unit.body.emplace<PlacedUnit>());
    }
    if (!read) {
        return std::nullopt;
    }
    return unit;
}

std::optional<std::vector<UnitRecord>> ReadUnitList(std::span<const uint8_t> list, uint32_t count)
{
    if (count == 0 || count > list.size() / 12) {
        return std::nullopt;
    }
    MemoryStream stream(list.data(), list.size());
    ByteReader reader(stream);
    std::vector<uint32_t> ids(count);
    for (uint32_t& id : ids) {
        id = reader.u32();
    }
    std::vector<uint32_t> offsets(count);
    for (uint32_t& offset : offsets) {
        offset = reader.u32();
    }
    const uint64_t recordsStart = reader.tell();
    std::vector<UnitRecord> units;
    units.reserve(count);
    for (uint32_t k = 0; k < count; ++k) {
        std::span<const uint8_t> record;
        if (reader.tell() - recordsStart != offsets[k] || !ReadCountedView(reader, list.data(), record)) {
            return std::nullopt;
        }
        std::optional<UnitRecord> unit = ReadUnitRecord(record, ids[k]);
        if (!unit) {
            return std::nullopt;
        }
        units.push_back(std::move(*unit));
    }
    if (!reader.ok() || reader.remaining() != 0) {
        return std::nullopt;
    }
    return units;
}

std::optional<WindowRecord> ReadWindowRecord(ByteReader& reader, const uint8_t* base)
{
    WindowRecord window;
    window.unusedWord = reader.u32();
    window.secondId = reader.u32();
    if (!ReadCountedText(reader, window.firstText) || !ReadCountedText(reader, window.secondText)) {
        return std::nullopt;
    }
    uint32_t unitCount = reader.u32();
    std::span<const uint8_t> list;
    if (!ReadCountedView(reader, base, list)) {
        return std::nullopt;
    }
    std::optional<std::vector<UnitRecord>> units = ReadUnitList(list, unitCount);
    if (!units) {
        return std::nullopt;
    }
    window.units = std::move(*units);
    return window;
}

}  // namespace

std::optional<TemplateBlock> ReadTemplateBlock(const uint8_t* data, size_t size)
{
    MemoryStream stream(data, size);
    ByteReader reader(stream);
    std::span<const uint8_t> index;
    if (!ReadCountedView(reader, data, index) || index.size() % 8 != 0) {
        return std::nullopt;
    }
    // The smallest window record (no texts, an empty list) takes 24 bytes.
    const size_t windowCount = index.size() / 8;
    if (windowCount > reader.remaining() / 24) {
        return std::nullopt;
    }
    MemoryStream indexStream(index.data(), index.size());
    ByteReader indexReader(indexStream);
    TemplateBlock block;
    block.windows.resize(windowCount);
    for (WindowRecord& window : block.windows) {
        window.id = indexReader.u32();
    }
    for (WindowRecord& window : block.windows) {
        window.storedObjectWord = indexReader.u32();
    }
    for (WindowRecord& window : block.windows) {
        std::optional<WindowRecord> record = ReadWindowRecord(reader, data);
        if (!record) {
            return std::nullopt;
        }
        record->id = window.id;
        record->storedObjectWord = window.storedObjectWord;
        window = std::move(*record);
    }
    if (!reader.ok() || reader.remaining() != 0 || !WindowsAreConsistent(block.windows)) {
        return std::nullopt;
    }
    return block;
}

}  // namespace rt
