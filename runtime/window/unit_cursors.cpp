#include "runtime/window/unit_cursors.h"

#include <cstring>

#include "runtime/program_templates.h"
#include "runtime/window/unit_kind.h"

namespace rt {
namespace {

constexpr int32_t kCursorFileCode = -1;
constexpr size_t kWholeFileMinimum = 10;
constexpr int kHandCursorResource = 1032;

// The system cursor number of each public code; 0 is the default cursor.
constexpr uint32_t kSystemCursors[] = {
    0,
    32512 /* arrow */,
    32515 /* cross */,
    32513 /* I-beam */,
    32514 /* wait */,
    32651 /* help */,
    32650 /* app starting */,
    32648 /* no */,
    32646 /* size all */,
    32643 /* NE-SW */,
    32645 /* N-S */,
    32642 /* NW-SE */,
    32644 /* W-E */,
    32516 /* up arrow */,
    32649 /* hand */,
};
constexpr uint32_t kPublicCodeCount = sizeof kSystemCursors / sizeof kSystemCursors[0];
constexpr uint32_t kHandSystemCursor = 32649;

uint32_t FirstWord(const std::vector<uint8_t>& data)
{
    if (data.size() < 4) {
        return data.empty() ? 0 : data[0];
    }
    uint32_t word;
    std::memcpy(&word, data.data(), 4);
    return word;
}

std::vector<uint8_t> WithFirstWord(const std::vector<uint8_t>& data, uint32_t word)
{
    // Data shorter than a word held its code in the first byte; it is stored as a whole word.
    std::vector<uint8_t> result = data.size() < 4 ? std::vector<uint8_t>(4, 0) : data;
    std::memcpy(result.data(), &word, 4);
    return result;
}

// A cursor from .cur file bytes: a 6-byte header (0, type 2, count) and 16-byte entries whose
// words 2 and 3 are the hot spot; the image is given a hot-spot prefix, the resource layout.
UniqueCursor CursorFromFileBytes(const uint8_t* data, size_t length)
{
    auto u16 = [data](size_t at) { return static_cast<uint32_t>(data[at] | data[at + 1] << 8); };
    auto u32 = [&u16](size_t at) { return u16(at) | u16(at + 2) << 16; };
    if (length < 22 || u16(0) != 0 || u16(2) != 2 || u16(4) == 0) {
        return nullptr;
    }
    uint32_t size = u32(14);
    uint32_t offset = u32(18);
    if (size == 0 || offset > length || size > length - offset) {
        return nullptr;
    }
    std::vector<uint8_t> image(4 + size);
    std::memcpy(image.data(), data + 10, 4);  // hot spot x, y of the first entry
    std::memcpy(image.data() + 4, data + offset, size);
    return UniqueCursor(CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), FALSE, 0x00030000, 0,
                                                 0, LR_DEFAULTSIZE));
}

std::unique_ptr<UnitCursor> OwnedCursor(UniqueCursor cursor)
{
    if (!cursor) {
        return nullptr;
    }
    auto unit = std::make_unique<UnitCursor>();
    unit->handle = cursor.get();
    unit->owned = std::move(cursor);
    return unit;
}

HCURSOR SystemCursor(uint32_t number)
{
    if (number == kHandSystemCursor) {
        if (HCURSOR hand = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kHandCursorResource))) {
            return hand;
        }
    }
    return LoadCursorW(nullptr, MAKEINTRESOURCEW(number));
}

}  // namespace

std::unique_ptr<UnitCursor> CursorFromPointerData(const std::vector<uint8_t>& stored)
{
    if (stored.empty()) {
        return nullptr;
    }
    uint32_t code = FirstWord(stored);
    if (static_cast<int32_t>(code) == kCursorFileCode) {
        return stored.size() > 4 ? OwnedCursor(CursorFromFileBytes(stored.data() + 4, stored.size() - 4)) : nullptr;
    }
    if (stored.size() > kWholeFileMinimum) {
        if (std::unique_ptr<UnitCursor> fromFile = OwnedCursor(CursorFromFileBytes(stored.data(), stored.size()))) {
            return fromFile;
        }
    }
    if (code == 0) {
        return nullptr;
    }
    HCURSOR shared = SystemCursor(code);
    if (!shared) {
        return nullptr;
    }
    auto unit = std::make_unique<UnitCursor>();
    unit->handle = shared;
    return unit;
}

std::vector<uint8_t> StoredPointerData(const uint8_t* data, size_t length)
{
    std::vector<uint8_t> bytes(data, data + length);
    uint32_t code = FirstWord(bytes);
    if (bytes.empty() || code >= kPublicCodeCount) {
        return bytes;
    }
    return WithFirstWord(bytes, kSystemCursors[code]);
}

std::vector<uint8_t> PublicPointerData(const std::vector<uint8_t>& stored)
{
    uint32_t number = FirstWord(stored);
    for (uint32_t code = 1; code < kPublicCodeCount && !stored.empty(); ++code) {
        if (kSystemCursors[code] == number) {
            return WithFirstWord(stored, code);
        }
    }
    return stored;
}

void RefreshUnitCursor(WindowTemplate& window, size_t position)
{
    LiveUnitSlots* slots = window.liveSlots(position);
    UnitRecord* record = window.unitAt(position);
    if (!slots || !record || record->isMenuItem()) {
        return;
    }
    std::unique_ptr<UnitCursor> old(static_cast<UnitCursor*>(slots->cursor));
    slots->cursor = CursorFromPointerData(record->placed().mousePointer).release();
}

void DestroyUnitCursors(WindowTemplate& window)
{
    for (size_t position = 0; position < window.unitCount(); ++position) {
        if (LiveUnitSlots* slots = window.liveSlots(position)) {
            delete static_cast<UnitCursor*>(slots->cursor);
            slots->cursor = nullptr;
        }
    }
}

HCURSOR UnitCursorAt(uint32_t windowId, HWND control)
{
    WindowTemplate* window = ProgramTemplates().findWindow(windowId);
    for (size_t position = 0; window && position < window->unitCount(); ++position) {
        LiveUnitSlots* slots = window->liveSlots(position);
        auto* unit = static_cast<LiveUnit*>(slots->object);
        if (unit && unit->handle() == control && slots->cursor) {
            return static_cast<UnitCursor*>(slots->cursor)->handle;
        }
    }
    return nullptr;
}

}  // namespace rt
