// The interface every unit kind implements: a description the frame looks up by kind number, and
// the live unit object that the kind's create routine makes. The window kind is the model.
//
// The kind's numbered requests map onto this interface: 1 create (UnitKindDescription::create),
// 4 write a property (LiveUnit::setProperty), 5 serialise (LiveUnit::serialise), 6 read a
// property (LiveUnit::getProperty), 7 icon from property data (UnitKindDescription::iconFromData),
// 11 message pre-filter (LiveUnit::preFilter, for kinds with kPreFilter).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/private_messages.h"

namespace rt {

// Bits of a kind's flags word that the frame tests.
namespace kind_flags {
inline constexpr uint32_t kRaisesEvents = 0x04 | 0x40;
inline constexpr uint32_t kNeverRecreated = 0x10;
inline constexpr uint32_t kPreFilter = 0x20;
inline constexpr uint32_t kPagedContainer = 0x100;
inline constexpr uint32_t kMnemonicRadio = 0x400;
inline constexpr uint32_t kMnemonicButton = 0x800;
inline constexpr uint32_t kMnemonicCheck = 0x1000;
inline constexpr uint32_t kMnemonicFocusOnward = 0x2000 | 0x4000;
inline constexpr uint32_t kInvisible = 0x8000;
inline constexpr uint32_t kNotifyParentAfterRecreate = 0x100000;
inline constexpr uint32_t kDragThrough = 0x4000000;
}  // namespace kind_flags

enum class PropertyType : uint8_t { kInt, kLogical, kText, kByteSet, kFont };

// A property value crossing the kind interface. Numbers (int, logical, colour) use number; texts
// use text (GBK, no terminator); byte sets use bytes; a font is 60 bytes, or none for the default.
struct PropertyValue {
    int32_t number = 0;
    std::string text;
    std::vector<uint8_t> bytes;
};

struct PropertyDescription {
    const char* name;
    PropertyType type;
};

// What the loader hands a create routine.
struct UnitCreateArgs {
    HWND parent = nullptr;
    const uint8_t* propertyData = nullptr;
    size_t propertyLength = 0;
    DWORD style = 0;  // WS_DISABLED, WS_TABSTOP from the record's flags
    int controlId = 0;
    HWND owner = nullptr;  // the window only
    bool modal = false;    // the window only
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    uint32_t windowId = 0;
    uint32_t unitId = 0;
};

// A live unit. A unit with a window handle is owned by that handle: the kind deletes the object at
// WM_NCDESTROY, after telling the runtime (service 2000). A windowless unit (an invisible kind) is
// deleted by its window when the window goes.
class LiveUnit {
public:
    LiveUnit(uint32_t windowId, uint32_t unitId) : windowId_(windowId), unitId_(unitId) {}
    virtual ~LiveUnit() = default;
    LiveUnit(const LiveUnit&) = delete;
    LiveUnit& operator=(const LiveUnit&) = delete;

    uint32_t windowId() const { return windowId_; }
    uint32_t unitId() const { return unitId_; }
    HWND handle() const { return handle_; }

    // Writes the kind's own property number; true when the unit must be re-created to show it.
    virtual bool setProperty(int number, const PropertyValue& value) = 0;
    virtual PropertyValue getProperty(int number) = 0;
    // The unit's current properties as property data, for re-creating it.
    virtual std::vector<uint8_t> serialise() = 0;

    // Kinds flagged kPreFilter see the window's messages first; true ends their processing.
    virtual bool preFilter(MSG&) { return false; }
    // Enter offered to the unit (first when it has the focus, then in template order as a
    // default button); true when the unit used it.
    virtual bool offerEnter(bool) { return false; }
    // Whether the unit takes the key itself while it has the focus (a multi-line edit box takes
    // Enter): the window's own key handling then leaves the key to the unit.
    virtual bool wantsKey(WPARAM) { return false; }
    // The caption searched for an Alt mnemonic.
    virtual std::string caption() { return {}; }
    // An Alt mnemonic chose the unit: a check box toggles, a radio box selects itself and clears
    // its group. The frame then raises event 0 for the mnemonic kinds.
    virtual void onMnemonic() {}
    // A notification the unit's control sent its parent (see unit_reflection.h); true, with the
    // answer in result, when the unit handled it.
    virtual bool onReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

protected:
    HWND handle_ = nullptr;

private:
    uint32_t windowId_;
    uint32_t unitId_;
};

using CreateRoutine = LiveUnit* (*)(const UnitCreateArgs& args);
// The icon held in a unit's property data (big or small size), or null; owned by the caller.
using IconFromDataRoutine = HICON (*)(const uint8_t* data, size_t length, bool big);

struct UnitKindDescription {
    uint32_t kind;
    const char* name;
    const char* englishName;
    uint32_t flags;
    const PropertyDescription* properties;  // by property number
    uint32_t propertyCount;
    CreateRoutine create;
    IconFromDataRoutine iconFromData;  // may be null
};

}  // namespace rt
