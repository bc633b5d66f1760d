#include "commands/control_skin/skin_attach.h"

#include <commctrl.h>

#include <optional>

#include "commands/control_skin/skin_classification.h"
#include "commands/control_skin/skin_procedure.h"
#include "runtime/win32/owned_handles.h"

namespace rt::commands::skin {
namespace {

constexpr UINT kRedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ERASENOW;
constexpr LONG_PTR kComboTypeMask = 0x03;

SkinState InitialState(HWND window, SkinKind kind)
{
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    SkinState state;
    state.disabled = (style & WS_DISABLED) != 0;
    state.focused = GetFocus() == window;
    if (kind == SkinKind::kEditBox) {
        state.readOnly = (style & ES_READONLY) != 0;
    } else if (kind == SkinKind::kComboBox) {
        state.dropDownList = (style & kComboTypeMask) == CBS_DROPDOWNLIST;
    } else if (kind == SkinKind::kUpDown) {
        state.horizontal = (style & UDS_HORZ) != 0;
    } else if (IsButtonKind(kind)) {
        state.defaultPush = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        LRESULT check = SendMessageW(window, BM_GETCHECK, 0, 0);
        state.checked = check == BST_CHECKED;
        state.indeterminate = check == BST_INDETERMINATE;
    }
    return state;
}

void Redraw(HWND window)
{
    if (IsWindowVisible(window)) {
        RedrawWindow(window, nullptr, nullptr, kRedrawFlags);
    }
}

// The skinned edit box the window is, or null.
SkinRecord* EditRecord(HWND window)
{
    SkinRecord* record = window ? FindSkinRecord(window) : nullptr;
    return record && record->attached && record->kind == SkinKind::kEditBox ? record : nullptr;
}

// Both records learn on which side of the edit box the up-down stands.
void LinkBuddy(SkinRecord& upDown)
{
    auto buddy = reinterpret_cast<HWND>(SendMessageW(upDown.window, UDM_GETBUDDY, 0, 0));
    if (buddy) {
        AttachSkin(buddy);
    }
    SkinRecord* edit = EditRecord(buddy);
    if (!edit) {
        return;
    }
    const LONG_PTR style = GetWindowLongPtrW(upDown.window, GWL_STYLE);
    upDown.linkedEdit = buddy;
    upDown.state.linkedRight = edit->state.linkedRight = (style & UDS_ALIGNRIGHT) != 0;
    upDown.state.linkedLeft = edit->state.linkedLeft = (style & UDS_ALIGNLEFT) != 0;
    Redraw(buddy);
}

void UnlinkBuddy(SkinRecord& upDown)
{
    if (SkinRecord* edit = EditRecord(upDown.linkedEdit)) {
        edit->state.linkedLeft = false;
        edit->state.linkedRight = false;
        Redraw(edit->window);
    }
    upDown.linkedEdit = nullptr;
}

// A new record with the skin's procedure in place; null when either fails.
SkinRecord* TakeOver(HWND window, SkinKind kind)
{
    SkinRecord* record = AddSkinRecord(window, kind, nullptr);
    if (!record) {
        return nullptr;
    }
    SetLastError(0);
    LONG_PTR own = SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SkinWindowProcedure));
    if (!own && GetLastError() != 0) {
        FreeSkinRecord(record);
        return nullptr;
    }
    record->savedProcedure = reinterpret_cast<WNDPROC>(own);
    return record;
}

}  // namespace

void AttachSkin(HWND window)
{
    SkinRecord* record = FindSkinRecord(window);
    if (record && record->attached) {
        return;
    }
    std::optional<SkinKind> kind = SkinnedKindOf(window);
    if (!kind) {
        return;
    }
    if (record) {
        record->kind = *kind;
        record->attached = true;
    } else if (!(record = TakeOver(window, *kind))) {
        return;
    }
    record->state = InitialState(window, *kind);
    record->linkedEdit = nullptr;
    record->backColour = GetSysColor(COLOR_BTNFACE);
    record->textColour = GetSysColor(COLOR_BTNTEXT);
    if (WindowDc dc(window); dc.get()) {
        RememberParentColours(window, dc.get());
    }
    // Asking the parent may have ended the window.
    record = FindSkinRecord(window);
    if (!record) {
        return;
    }
    if (record->kind == SkinKind::kUpDown) {
        LinkBuddy(*record);
    }
    Redraw(window);
}

void DetachSkin(SkinRecord* record, bool redraw)
{
    HWND window = record->window;
    if (record->kind == SkinKind::kUpDown) {
        UnlinkBuddy(*record);
    }
    auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (current == SkinWindowProcedure) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record->savedProcedure));
        FreeSkinRecord(record);
    } else {
        record->attached = false;
    }
    if (redraw) {
        Redraw(window);
    }
}

void RememberParentColours(HWND window, HDC dc)
{
    HWND parent = GetParent(window);
    if (!parent || !dc) {
        return;
    }
    const COLORREF oldText = GetTextColor(dc);
    const COLORREF oldBack = GetBkColor(dc);
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)));
    const COLORREF text = GetTextColor(dc);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBack);
    // The parent may have done anything meanwhile, even destroyed the control.
    SkinRecord* record = FindSkinRecord(window);
    if (!record) {
        return;
    }
    record->textColour = text;
    LOGBRUSH description{};
    if (brush && GetObjectW(brush, sizeof description, &description) == sizeof description &&
        description.lbStyle == BS_SOLID) {
        record->backColour = description.lbColor;
    }
}

}  // namespace rt::commands::skin
