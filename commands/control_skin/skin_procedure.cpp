// The skin's window procedure: state changes from the control's messages, the control's own
// procedure (or the default one) for its part of the work, and the skin's painter after it.
// After every call out the window's record is looked up again: the call may have destroyed the
// window or switched the skin off.
#include "commands/control_skin/skin_procedure.h"

#include <windowsx.h>

#include <optional>

#include "commands/control_skin/skin_attach.h"
#include "commands/control_skin/skin_classification.h"
#include "commands/control_skin/skin_painter.h"
#include "commands/control_skin/skin_record.h"
#include "commands/control_skin/skin_switch.h"
#include "runtime/win32/owned_handles.h"

namespace rt::commands::skin {
namespace {

constexpr WPARAM kAnyMouseButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

bool Is(const SkinRecord& record, SkinKind kind) { return record.kind == kind; }

LRESULT Saved(const SkinRecord& record, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(record.savedProcedure, record.window, message, wParam, lParam);
}

bool IsSkinned(HWND window)
{
    SkinRecord* record = FindSkinRecord(window);
    return record && record->attached;
}

// The parent is asked for the colours before each paint as well: a unit may keep the erase
// message to itself, and its colours may have changed since.
void PaintIfSkinned(HWND window)
{
    if (!IsSkinned(window) || !IsWindowVisible(window)) {
        return;
    }
    if (WindowDc dc(window); dc.get()) {
        RememberParentColours(window, dc.get());
    }
    if (SkinRecord* record = FindSkinRecord(window); record && record->attached) {
        PaintSkinned(*record, CurrentScheme());
    }
}

LRESULT SavedThenPaint(const SkinRecord& record, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND window = record.window;
    LRESULT result = Saved(record, message, wParam, lParam);
    PaintIfSkinned(window);
    return result;
}

LRESULT DefaultThenPaint(const SkinRecord& record, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND window = record.window;
    LRESULT result = DefWindowProcW(window, message, wParam, lParam);
    PaintIfSkinned(window);
    return result;
}

// The window's own procedure ends the window first; the skin lets go of it afterwards.
LRESULT OnDestroy(const SkinRecord& record, WPARAM wParam, LPARAM lParam)
{
    HWND window = record.window;
    LRESULT result = Saved(record, WM_DESTROY, wParam, lParam);
    SkinRecord* still = FindSkinRecord(window);
    if (still && still->attached) {
        DetachSkin(still, false);
    }
    return result;
}

// The last message a window gets: a record still there (one that could only pass messages on)
// goes with it.
LRESULT OnFinalMessage(const SkinRecord& record, WPARAM wParam, LPARAM lParam)
{
    HWND window = record.window;
    LRESULT result = Saved(record, WM_NCDESTROY, wParam, lParam);
    if (SkinRecord* still = FindSkinRecord(window)) {
        FreeSkinRecord(still);
    }
    return result;
}

LRESULT OnEraseBackground(const SkinRecord& record, WPARAM wParam, LPARAM lParam)
{
    HWND window = record.window;
    RememberParentColours(window, reinterpret_cast<HDC>(wParam));
    SkinRecord* still = FindSkinRecord(window);
    if (!still) {
        return DefWindowProcW(window, WM_ERASEBKGND, wParam, lParam);
    }
    // An up-down is painted whole by the skin.
    if (still->attached && Is(*still, SkinKind::kUpDown)) {
        return 1;
    }
    return Saved(*still, WM_ERASEBKGND, wParam, lParam);
}

UpDownHalf HalfUnder(HWND window, LPARAM position, bool horizontal)
{
    RECT client{};
    GetClientRect(window, &client);
    if (horizontal) {
        return GET_X_LPARAM(position) < client.right / 2 ? UpDownHalf::kFirst : UpDownHalf::kSecond;
    }
    return GET_Y_LPARAM(position) < client.bottom / 2 ? UpDownHalf::kFirst : UpDownHalf::kSecond;
}

// A window holding the mouse (an open list) also hears of moves outside it.
bool IsInside(HWND window, LPARAM position)
{
    RECT client{};
    GetClientRect(window, &client);
    POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    return PtInRect(&client, point) != FALSE;
}

LRESULT OnMouseMove(SkinRecord& record, WPARAM wParam, LPARAM lParam)
{
    bool changed = false;
    if (!(wParam & kAnyMouseButton) && !record.state.hot && IsInside(record.window, lParam)) {
        record.state.hot = true;
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, record.window, 0};
        TrackMouseEvent(&leave);
        changed = true;
    }
    if (Is(record, SkinKind::kUpDown)) {
        UpDownHalf half = HalfUnder(record.window, lParam, record.state.horizontal);
        changed = changed || half != record.state.hotHalf;
        record.state.hotHalf = half;
    }
    return changed ? SavedThenPaint(record, WM_MOUSEMOVE, wParam, lParam) : Saved(record, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnMouseLeave(SkinRecord& record, WPARAM wParam, LPARAM lParam)
{
    if (!record.state.hot) {
        return Saved(record, WM_MOUSELEAVE, wParam, lParam);
    }
    record.state.hot = false;
    record.state.hotHalf = UpDownHalf::kNone;
    // The edit box did not ask for this message: the skin did.
    if (Is(record, SkinKind::kEditBox)) {
        return DefaultThenPaint(record, WM_MOUSELEAVE, wParam, lParam);
    }
    return SavedThenPaint(record, WM_MOUSELEAVE, wParam, lParam);
}

LRESULT OnEditNonClientMouseMove(SkinRecord& record, WPARAM wParam, LPARAM lParam)
{
    if (record.state.hot) {
        return Saved(record, WM_NCMOUSEMOVE, wParam, lParam);
    }
    record.state.hot = true;
    return DefaultThenPaint(record, WM_NCMOUSEMOVE, wParam, lParam);
}

// A button whose style changes may become another kind, or one the skin leaves alone (a picture
// button).
LRESULT OnStyleChanged(const SkinRecord& record, WPARAM wParam, LPARAM lParam)
{
    HWND window = record.window;
    LRESULT result = Saved(record, WM_STYLECHANGED, wParam, lParam);
    SkinRecord* still = FindSkinRecord(window);
    if (wParam != static_cast<WPARAM>(GWL_STYLE) || !still || !still->attached) {
        return result;
    }
    std::optional<SkinKind> kind = SkinnedKindOf(window);
    if (!kind || (!IsButtonKind(*kind) && *kind != SkinKind::kGroupBox)) {
        DetachSkin(still, true);
        return result;
    }
    still->kind = *kind;
    PaintIfSkinned(window);
    return result;
}

void SetCheck(SkinState& state, WPARAM check)
{
    state.checked = check == BST_CHECKED;
    state.indeterminate = check == BST_INDETERMINATE;
}

LRESULT OnPaint(SkinRecord& record, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (record.kind) {
    case SkinKind::kEditBox:
    case SkinKind::kComboBox:
        return SavedThenPaint(record, message, wParam, lParam);
    case SkinKind::kDropDownList:
        // The list paints its items; only its frame is the skin's.
        return message == WM_NCPAINT ? SavedThenPaint(record, message, wParam, lParam)
                                     : Saved(record, message, wParam, lParam);
    case SkinKind::kUpDown:
    case SkinKind::kGroupBox:
        return DefaultThenPaint(record, message, wParam, lParam);
    default:
        // Buttons have no frame of their own to paint.
        return message == WM_PAINT ? DefaultThenPaint(record, message, wParam, lParam)
                                   : Saved(record, message, wParam, lParam);
    }
}

LRESULT OnButtonMessage(SkinRecord& record, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETTEXT:
        return DefaultThenPaint(record, message, wParam, lParam);
    case BM_SETCHECK:
        SetCheck(record.state, wParam);
        break;
    case BM_SETSTATE:
        record.state.pressed = wParam != 0;
        break;
    case BM_SETSTYLE:
        record.state.defaultPush = (wParam & 1) != 0;
        break;
    default:
        return Saved(record, message, wParam, lParam);
    }
    return SavedThenPaint(record, message, wParam, lParam);
}

LRESULT OnLeftButton(SkinRecord& record, UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool down = message == WM_LBUTTONDOWN;
    // The up-down runs its own press; the skin only watches it end.
    const bool followsPress = Is(record, SkinKind::kComboBox) || Is(record, SkinKind::kDropDownList);
    if (followsPress || (Is(record, SkinKind::kUpDown) && !down)) {
        record.state.pressed = down;
        return SavedThenPaint(record, message, wParam, lParam);
    }
    return Saved(record, message, wParam, lParam);
}

LRESULT OnSkinnedMessage(SkinRecord& record, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY:
        return OnDestroy(record, wParam, lParam);
    case WM_NCDESTROY:
        return OnFinalMessage(record, wParam, lParam);
    case WM_ERASEBKGND:
        return OnEraseBackground(record, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        record.state.focused = message == WM_SETFOCUS;
        return SavedThenPaint(record, message, wParam, lParam);
    case WM_ENABLE:
        record.state.disabled = wParam == 0;
        return SavedThenPaint(record, message, wParam, lParam);
    case WM_MOUSEMOVE:
        return OnMouseMove(record, wParam, lParam);
    case WM_MOUSELEAVE:
        return OnMouseLeave(record, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        return OnLeftButton(record, message, wParam, lParam);
    case WM_PAINT:
    case WM_NCPAINT:
        return OnPaint(record, message, wParam, lParam);
    default:
        break;
    }
    if (IsButtonKind(record.kind) || Is(record, SkinKind::kGroupBox)) {
        if (message == WM_STYLECHANGED) {
            return OnStyleChanged(record, wParam, lParam);
        }
        if (IsButtonKind(record.kind)) {
            return OnButtonMessage(record, message, wParam, lParam);
        }
    }
    if (Is(record, SkinKind::kEditBox)) {
        if (message == WM_HSCROLL || message == WM_VSCROLL) {
            return SavedThenPaint(record, message, wParam, lParam);
        }
        if (message == WM_NCMOUSEMOVE) {
            return OnEditNonClientMouseMove(record, wParam, lParam);
        }
    }
    return Saved(record, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK SkinWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    SkinRecord* record = FindSkinRecord(window);
    if (!record) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (!record->attached) {
        return message == WM_NCDESTROY ? OnFinalMessage(*record, wParam, lParam)
                                       : Saved(*record, message, wParam, lParam);
    }
    return OnSkinnedMessage(*record, message, wParam, lParam);
}

}  // namespace rt::commands::skin
