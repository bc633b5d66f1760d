// The skin's records: one per skinned window, in one list, newest first. A record holds the
// window's kind, the state the painters draw from, the window's own procedure and the colours its
// parent last gave for it. Records live in the process heap.
#pragma once

#include <windows.h>

#include <cstddef>

namespace rt::commands::skin {

enum class SkinKind : int {
    kPushButton = 0,
    kCheckBox = 1,
    kRadioButton = 2,
    kEditBox = 3,
    kComboBox = 4,
    kUpDown = 5,
    kScrollBar = 6,
    kMonthCalendar = 7,
    kTabControl = 8,
    kProgressBar = 9,
    kTrackBar = 10,
    kGroupBox = 11,
    kDropDownList = 12,
};

// Which half of an up-down the mouse is over: the upper (left when horizontal) or the lower (right).
enum class UpDownHalf : int { kNone = 0, kFirst = 1, kSecond = 2 };

struct SkinState {
    bool disabled = false;
    bool pressed = false;
    bool hot = false;
    bool focused = false;
    bool readOnly = false;
    bool checked = false;
    bool indeterminate = false;
    bool defaultPush = false;
    bool horizontal = false;
    UpDownHalf hotHalf = UpDownHalf::kNone;
    bool dropDownList = false;
    bool linkedLeft = false;
    bool linkedRight = false;
};

struct SkinRecord {
    SkinRecord* next = nullptr;
    HWND window = nullptr;
    SkinKind kind = SkinKind::kPushButton;
    // False once the skin has let go of a window it could not give its procedure back to (another
    // procedure was put over the skin's): the record then only passes messages on until the window
    // is gone.
    bool attached = true;
    SkinState state;
    WNDPROC savedProcedure = nullptr;
    // An up-down's edit box when the two are linked.
    HWND linkedEdit = nullptr;
    COLORREF backColour = 0;
    COLORREF textColour = 0;
};

// The window's record, or null.
SkinRecord* FindSkinRecord(HWND window);
// A new record at the head of the list; null when the heap has no room.
SkinRecord* AddSkinRecord(HWND window, SkinKind kind, WNDPROC savedProcedure);
// Unlinks the record and gives its memory back.
void FreeSkinRecord(SkinRecord* record);
// How many records the list holds, and how many of them belong to the window.
size_t SkinRecordCount();
size_t SkinRecordCountOf(HWND window);

}  // namespace rt::commands::skin
