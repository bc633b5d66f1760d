// The EditBox control: its creation from the options and its replaced window procedure.
#include <windows.h>

#include <algorithm>
#include <memory>

#include "controls/edit_box/edit_box_properties.h"
#include "controls/edit_box/edit_box_unit.h"
#include "controls/edit_box/typed_input.h"
#include "runtime/text_codec.h"

namespace rt::units {
namespace {

DWORD MultilineStyles(const EditBoxOptions& options)
{
    DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    bool horizontal = options.ScrollBars == 1 || options.ScrollBars == 3;
    bool vertical = options.ScrollBars == 2 || options.ScrollBars == 3;
    if (horizontal) {
        style |= ES_AUTOHSCROLL | WS_HSCROLL;
    }
    if (vertical) {
        style |= WS_VSCROLL;
    }
    return style;
}

DWORD EditStyles(const EditBoxOptions& options)
{
    DWORD style = options.HideSelection ? 0 : ES_NOHIDESEL;
    style |= options.Multiline ? MultilineStyles(options) : ES_AUTOHSCROLL;
    if (options.Alignment == 1) {
        style |= ES_CENTER;
    } else if (options.Alignment == 2) {
        style |= ES_RIGHT;
    }
    if (options.InputMode == kInputReadOnly) {
        style |= ES_READONLY;
    } else if (options.InputMode == kInputPassword) {
        style |= ES_PASSWORD;
    }
    if (options.CaseConversion == 1) {
        style |= ES_LOWERCASE;
    } else if (options.CaseConversion == 2) {
        style |= ES_UPPERCASE;
    }
    return style;
}

}  // namespace

EditBoxUnit* EditBoxUnit::Create(const UnitCreateArgs& args, EditBoxOptions options)
{
    options.MaxLength = std::max(options.MaxLength, 0);
    std::unique_ptr<EditBoxUnit> unit(new EditBoxUnit(args, std::move(options)));
    if (!unit->createControl(args)) {
        return nullptr;
    }
    // From here on the control owns the unit and frees it at WM_NCDESTROY.
    return unit.release();
}

bool EditBoxUnit::createControl(const UnitCreateArgs& args)
{
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | args.style | EditStyles(options_);
    HWND control = CreateWindowExW(
        0, L"EDIT", WideFromGbk(options_.Content).c_str(), style, args.left, args.top, args.width, args.height,
        args.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.controlId)), GetModuleHandleW(nullptr), nullptr);
    if (!control) {
        return false;
    }
    subclass(control);
    applyFont(CreateUnitFont(options_.Font));
    // Border also gives the frame-changed repositioning that moves, sizes and activates nothing.
    ApplyBorder(handle_, options_.Border);
    SendMessageW(handle_, EM_SETLIMITTEXT, static_cast<WPARAM>(options_.MaxLength), 0);
    if (options_.InputMode == kInputPassword) {
        setPasswordChar(options_.PasswordChar);
    }
    if (!options_.Multiline && options_.SpinMode != kSpinNone) {
        spin_.create(handle_, options_.SpinMin, options_.SpinMax);
    }
    select(options_.SelStart, options_.SelLength);
    return true;
}

LRESULT EditBoxUnit::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CHAR:
        // A refused character is swallowed: the control never sees it.
        return AcceptsTypedCharacter(options_.InputMode, static_cast<uint32_t>(wParam))
                   ? callControl(message, wParam, lParam)
                   : 0;
    case WM_KILLFOCUS:
        normaliseTypedText();
        return callControl(message, wParam, lParam);
    case WM_WINDOWPOSCHANGED: {
        LRESULT answer = callControl(message, wParam, lParam);
        spin_.follow(handle_);
        return answer;
    }
    case WM_SHOWWINDOW:
        // While the parent is hidden the box may be shown without being repositioned: this is
        // then its only notice. A parent's own showing or hiding (lParam) changes neither.
        if (lParam == 0) {
            spin_.show(wParam != 0);
        }
        return callControl(message, wParam, lParam);
    case WM_ENABLE:
        spin_.enable(wParam != 0);
        return callControl(message, wParam, lParam);
    case WM_DESTROY:
        spin_.destroy();
        return callControl(message, wParam, lParam);
    default:
        return callControl(message, wParam, lParam);
    }
}

}  // namespace rt::units
