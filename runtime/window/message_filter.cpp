#include "runtime/window/message_filter.h"

#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "runtime/message_loop.h"
#include "runtime/program_templates.h"
#include "runtime/runtime_app.h"
#include "runtime/text_codec.h"
#include "runtime/window/events.h"
#include "runtime/window/unit_kind_registry.h"
#include "runtime/window/unit_lookup.h"
#include "runtime/window/window_lifetime.h"
#include "runtime/window/window_unit.h"

namespace rt {
namespace {

enum CommonEvent : int32_t {
    kEventLeftDown = -1,
    kEventLeftUp = -2,
    kEventLeftDoubleClick = -3,
    kEventRightDown = -4,
    kEventRightUp = -5,
    kEventMouseMove = -6,
    kEventGotFocus = -7,
    kEventLostFocus = -8,
    kEventKeyDown = -9,
    kEventKeyUp = -10,
    kEventCharacter = -11,
    kEventWheel = -12,
};

constexpr int kWheelStep = 120;

uint32_t EventUnitId(const UnitLocation& at) { return at.position == 0 ? 0 : at.unit->unitId(); }

uint32_t KindFlags(const WindowTemplate& window, size_t position)
{
    const UnitRecord* record = const_cast<WindowTemplate&>(window).unitAt(position);
    const UnitKindDescription* kind = record && !record->isMenuItem() ? FindUnitKind(record->kind) : nullptr;
    return kind ? kind->flags : 0;
}

bool CanTakeFocus(WindowTemplate& window, size_t position)
{
    LiveUnit* unit = LiveUnitAt(window, position);
    const UnitRecord* record = window.unitAt(position);
    return unit && unit->handle() && !record->isMenuItem() && (record->placed().flags & kUnitTakesFocus) &&
           IsWindowVisible(unit->handle()) && IsWindowEnabled(unit->handle());
}

// Units in creation order: the last of the list first.
std::vector<size_t> CreationOrder(WindowTemplate& window)
{
    std::vector<size_t> order;
    for (size_t position = window.unitCount(); position-- > 1;) {
        order.push_back(position);
    }
    return order;
}

// The focus moves to the next (or previous) unit that can take it, after the one at position
// (0: from the start).
void MoveFocus(WindowTemplate& window, size_t from, bool forward)
{
    std::vector<size_t> order = CreationOrder(window);
    if (!forward) {
        std::reverse(order.begin(), order.end());
    }
    size_t start = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        if (order[i] == from) {
            start = i + 1;
        }
    }
    for (size_t step = 0; step < order.size(); ++step) {
        size_t position = order[(start + step) % order.size()];
        if (CanTakeFocus(window, position)) {
            SetFocus(LiveUnitAt(window, position)->handle());
            return;
        }
    }
}

std::optional<UnitLocation> FocusedUnit(WindowTemplate& window)
{
    HWND focus = GetFocus();
    std::optional<UnitLocation> at = focus ? FindUnitByHandle(focus) : std::nullopt;
    return at && at->window == &window ? at : std::nullopt;
}

bool OnEnter(WindowTemplate& window, const WindowOptions& options)
{
    std::optional<UnitLocation> focused = FocusedUnit(window);
    if (focused && focused->position != 0 && focused->unit->offerEnter(true)) {
        return true;
    }
    if (options.EnterMovesFocus) {
        MoveFocus(window, focused ? focused->position : 0, true);
        return true;
    }
    for (size_t position = 1; position < window.unitCount(); ++position) {
        LiveUnit* unit = LiveUnitAt(window, position);
        if (unit && (!focused || unit != focused->unit) && unit->offerEnter(false)) {
            return true;
        }
    }
    return false;
}

std::wstring HelpFilePath(const WindowOptions& options)
{
    if (!options.HelpFile.empty()) {
        return WideFromGbk(options.HelpFile);
    }
    const RuntimeApp& app = App();
    std::string path = app.programDirectory + "\\" + app.programFileName;
    size_t dot = path.rfind('.');
    size_t slash = path.rfind('\\');
    if (dot != std::string::npos && dot > slash) {
        path.resize(dot);
    }
    return WideFromGbk(path + ".hlp");
}

bool OnHelp(HWND top, const WindowOptions& options)
{
    std::wstring path = HelpFilePath(options);
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    if (options.HelpContext != 0) {
        WinHelpW(top, path.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(options.HelpContext));
    } else {
        WinHelpW(top, path.c_str(), HELP_FINDER, 0);
    }
    return true;
}

bool CaptionHasMnemonic(const std::string& caption, char key)
{
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (static_cast<unsigned char>(caption[i]) >= 0x80) {
            ++i;  // the second byte of a GBK character is never a mnemonic mark
            continue;
        }
        if (caption[i] == '&' && lower(caption[i + 1]) == lower(key)) {
            return true;
        }
    }
    return false;
}

bool OnMnemonic(WindowTemplate& window, char key)
{
    for (size_t position : CreationOrder(window)) {
        LiveUnit* unit = LiveUnitAt(window, position);
        uint32_t flags = KindFlags(window, position);
        if (!unit || !unit->handle() || (flags & kind_flags::kInvisible) || !IsWindowVisible(unit->handle()) ||
            !IsWindowEnabled(unit->handle()) || !CaptionHasMnemonic(unit->caption(), key)) {
            continue;
        }
        if (flags & (kind_flags::kMnemonicRadio | kind_flags::kMnemonicCheck | kind_flags::kMnemonicButton)) {
            unit->onMnemonic();
            RaiseUnitEvent(window.windowId(), unit->unitId(), 0);
        } else if (flags & kind_flags::kMnemonicFocusOnward) {
            MoveFocus(window, position, true);
        } else {
            SetFocus(unit->handle());
        }
        return true;
    }
    return false;
}

bool IsMnemonicKey(WPARAM key) { return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'); }

bool OnKeys(const MSG& message, WindowTemplate& window, WindowUnit& top)
{
    const WindowOptions& options = top.options();
    if (message.message == WM_SYSKEYDOWN && IsMnemonicKey(message.wParam)) {
        return OnMnemonic(window, static_cast<char>(message.wParam));
    }
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    std::optional<UnitLocation> keyTaker = FocusedUnit(window);
    if (keyTaker && keyTaker->position != 0 && keyTaker->unit->wantsKey(message.wParam)) {
        return false;
    }
    bool ctrlOrAlt = (KeyStateBits() & (1 | 4)) != 0;
    switch (message.wParam) {
    case VK_TAB: {
        if (ctrlOrAlt) {
            return false;
        }
        std::optional<UnitLocation> focused = FocusedUnit(window);
        MoveFocus(window, focused ? focused->position : 0, (KeyStateBits() & 2) == 0);
        return true;
    }
    case VK_RETURN:
        return OnEnter(window, options);
    case VK_ESCAPE:
        if (options.EscCloses) {
            SendMessageW(top.handle(), WM_CLOSE, 0, 0);
            return true;
        }
        return false;
    case VK_F1:
        return options.F1Help && OnHelp(top.handle(), options);
    default:
        return false;
    }
}

POINT PointInUnit(const MSG& message, HWND unit)
{
    POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    if (message.hwnd != unit) {
        MapWindowPoints(message.hwnd, unit, &at, 1);
    }
    return at;
}

std::optional<int32_t> MouseEventOf(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        return kEventLeftDown;
    case WM_LBUTTONUP:
        return kEventLeftUp;
    case WM_LBUTTONDBLCLK:
        return kEventLeftDoubleClick;
    case WM_RBUTTONDOWN:
        return kEventRightDown;
    case WM_RBUTTONUP:
        return kEventRightUp;
    case WM_MOUSEMOVE:
        return kEventMouseMove;
    default:
        return std::nullopt;
    }
}

// Step 5: the common unit events; true when a handler swallowed the message.
bool RaiseCommonEvents(MSG& message, const UnitLocation& at)
{
    uint32_t windowId = at.window->windowId();
    uint32_t unitId = EventUnitId(at);
    if (std::optional<int32_t> event = MouseEventOf(message.message)) {
        POINT point = PointInUnit(message, at.unit->handle());
        return RaiseUnitEvent(windowId, unitId, *event, {point.x, point.y, KeyStateBits()}).vetoed();
    }
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        if (!IsWindowEnabled(at.unit->handle())) {
            return false;
        }
        bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
        int32_t key = static_cast<int32_t>(message.wParam);
        return RaiseUnitEvent(windowId, unitId, down ? kEventKeyDown : kEventKeyUp, {key, KeyStateBits()}).vetoed();
    }
    case WM_CHAR: {
        EventAnswer answer = RaiseUnitEvent(windowId, unitId, kEventCharacter, {static_cast<int32_t>(message.wParam)});
        if (!answer.returned) {
            return false;
        }
        if (answer.value == 0) {
            return true;
        }
        message.wParam = static_cast<WPARAM>(static_cast<uint32_t>(answer.value));
        return false;
    }
    case WM_MOUSEWHEEL: {
        int32_t steps = GET_WHEEL_DELTA_WPARAM(message.wParam) / kWheelStep;
        return RaiseUnitEvent(windowId, unitId, kEventWheel, {steps, KeyStateBits()}).vetoed();
    }
    default:
        return false;
    }
}

bool RunPreFilters(WindowTemplate& window, MSG& message)
{
    for (size_t position = 1; position < window.unitCount(); ++position) {
        LiveUnit* unit = LiveUnitAt(window, position);
        if (unit && (KindFlags(window, position) & kind_flags::kPreFilter) && unit->preFilter(message)) {
            return true;
        }
    }
    return false;
}

bool StartsDrag(const MSG& message, const UnitLocation& at, const WindowUnit& top)
{
    if (message.message != WM_LBUTTONDOWN || !top.options().DragAnywhere) {
        return false;
    }
    return at.position == 0 || (KindFlags(*at.window, at.position) & kind_flags::kDragThrough);
}

// Focus events follow the control's own handling of the focus change, so a handler sees what the
// control settled on (an edit box's text normalised on losing the focus).
LRESULT CALLBACK FocusHook(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && (sent->message == WM_SETFOCUS || sent->message == WM_KILLFOCUS) && !FocusEventsHeld()) {
        std::optional<UnitLocation> at = FindUnitByHandle(sent->hwnd);
        if (at && at->unit->handle() == sent->hwnd) {
            RaiseUnitEvent(at->window->windowId(), EventUnitId(*at),
                           sent->message == WM_SETFOCUS ? kEventGotFocus : kEventLostFocus);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int KeyStateBits()
{
    return (GetKeyState(VK_CONTROL) < 0 ? 1 : 0) | (GetKeyState(VK_SHIFT) < 0 ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

bool WindowMessageFilter(MSG& message)
{
    if (!message.hwnd) {
        return false;
    }
    std::optional<UnitLocation> root = FindUnitByHandle(GetAncestor(message.hwnd, GA_ROOT));
    if (!root || root->position != 0) {
        return false;
    }
    WindowTemplate& window = *root->window;
    auto& top = static_cast<WindowUnit&>(*root->unit);
    if (RunPreFilters(window, message)) {
        return true;
    }
    std::optional<UnitLocation> at = FindUnitByHandle(message.hwnd);
    if (!at || at->window != &window) {
        at = root;
    }
    if (StartsDrag(message, *at, top)) {
        ReleaseCapture();
        SendMessageW(top.handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
        return true;
    }
    if (OnKeys(message, window, top)) {
        return true;
    }
    // A handler may have closed the window.
    return LiveWindowOf(window) == &top && RaiseCommonEvents(message, *at);
}

void InstallWindowMessageFilter()
{
    SetMessageFilter(WindowMessageFilter);
    SetWindowsHookExW(WH_CALLWNDPROCRET, FocusHook, nullptr, GetCurrentThreadId());
}

}  // namespace rt
