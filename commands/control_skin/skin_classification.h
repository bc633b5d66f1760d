// Which controls the skin takes over: by window class (case-insensitive) and style.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "commands/control_skin/skin_record.h"

namespace rt::commands::skin {

// What the classification looks at.
struct ControlFacts {
    std::wstring_view className;
    DWORD style = 0;
    bool hasText = false;
    std::wstring_view parentClassName;
};

// The control's kind, or nothing for a control the skin does not know. Scroll bars, month
// calendars, tab controls, progress bars and track bars have a kind but are never skinned.
std::optional<SkinKind> ClassifyControl(const ControlFacts& facts);
bool IsSkinnedKind(SkinKind kind);
// Push buttons, check boxes and radio buttons: the kinds that follow the button messages.
bool IsButtonKind(SkinKind kind);

// The kind to skin the window as, or nothing when the window keeps its own look.
std::optional<SkinKind> SkinnedKindOf(HWND window);

}  // namespace rt::commands::skin
