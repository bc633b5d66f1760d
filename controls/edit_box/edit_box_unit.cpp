// The EditBox unit's properties, selection, notifications and up-down steps.
#include "controls/edit_box/edit_box_unit.h"

#include <commctrl.h>

#include <algorithm>

#include "controls/common/unit_property_value.h"
#include "controls/edit_box/edit_box_properties.h"
#include "controls/edit_box/gbk_characters.h"
#include "controls/edit_box/spin_step.h"
#include "controls/edit_box/typed_input.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/text_codec.h"
#include "runtime/window/events.h"

namespace rt::units {
namespace {

constexpr int32_t kEventChanged = 0;
constexpr int32_t kEventSpin = 1;
constexpr int32_t kWholeText = -1;
constexpr int32_t kTextEnd = -1;

// Holds the change event back while the application's text goes in.
class HeldFlag {
public:
    explicit HeldFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~HeldFlag() { flag_ = false; }
    HeldFlag(const HeldFlag&) = delete;
    HeldFlag& operator=(const HeldFlag&) = delete;

private:
    bool& flag_;
};

}  // namespace

EditBoxUnit::EditBoxUnit(const UnitCreateArgs& args, EditBoxOptions options)
    : SubclassedControlUnit(args.windowId, args.unitId), options_(std::move(options))
{
}

template <class Value>
bool EditBoxUnit::rebuildIfChanged(Value& stored, Value value)
{
    bool changed = stored != value;
    stored = value;
    return changed;
}

bool EditBoxUnit::setProperty(int number, const PropertyValue& value)
{
    switch (number) {
    case kEditContent:
        setContent(value.text);
        return false;
    case kEditBorder:
        options_.Border = value.number;
        ApplyBorder(handle_, value.number);
        return false;
    case kEditTextColour:
        options_.TextColour = static_cast<uint32_t>(value.number);
        InvalidateRect(handle_, nullptr, TRUE);
        return false;
    case kEditBackColour:
        options_.BackColour = static_cast<uint32_t>(value.number);
        InvalidateRect(handle_, nullptr, TRUE);
        return false;
    case kEditFont:
        options_.Font = FontOf(value);
        applyFont(CreateUnitFont(options_.Font));
        return false;
    case kEditHideSelection:
        return rebuildIfChanged(options_.HideSelection, value.number != 0);
    case kEditMaxLength:
        options_.MaxLength = std::max(value.number, 0);
        SendMessageW(handle_, EM_SETLIMITTEXT, static_cast<WPARAM>(options_.MaxLength), 0);
        return false;
    case kEditMultiline:
        return rebuildIfChanged(options_.Multiline, value.number != 0);
    case kEditScrollBars:
        return rebuildIfChanged(options_.ScrollBars, value.number);
    case kEditAlignment:
        return rebuildIfChanged(options_.Alignment, value.number);
    case kEditInputMode:
        setInputMode(value.number);
        return false;
    case kEditPasswordChar:
        options_.PasswordChar = PasswordCharCode(value.text);
        if (options_.InputMode == kInputPassword) {
            setPasswordChar(options_.PasswordChar);
        }
        return false;
    case kEditCaseConversion:
        return rebuildIfChanged(options_.CaseConversion, value.number);
    case kEditSpinMode:
        return rebuildIfChanged(options_.SpinMode, value.number);
    case kEditSpinMin:
    case kEditSpinMax:
        (number == kEditSpinMin ? options_.SpinMin : options_.SpinMax) = value.number;
        spin_.setRange(options_.SpinMin, options_.SpinMax);
        return false;
    case kEditSelStart:
        select(value.number, 0);
        return false;
    case kEditSelLength:
        select(selectionStart(), value.number);
        return false;
    case kEditSelText:
        replaceSelection(value.text);
        return false;
    case kEditDataSource:
        options_.DataSource = value.text;
        return false;
    case kEditDataColumn:
        options_.DataColumn = value.text;
        return false;
    default:
        return false;
    }
}

PropertyValue EditBoxUnit::getProperty(int number)
{
    switch (number) {
    case kEditContent:
        return TextValue(text());
    case kEditBorder:
        return NumberValue(options_.Border);
    case kEditTextColour:
        return NumberValue(static_cast<int32_t>(options_.TextColour));
    case kEditBackColour:
        return NumberValue(static_cast<int32_t>(options_.BackColour));
    case kEditFont:
        return FontValue(options_.Font);
    case kEditHideSelection:
        return NumberValue(options_.HideSelection);
    case kEditMaxLength:
        return NumberValue(options_.MaxLength);
    case kEditMultiline:
        return NumberValue(options_.Multiline);
    case kEditScrollBars:
        return NumberValue(options_.ScrollBars);
    case kEditAlignment:
        return NumberValue(options_.Alignment);
    case kEditInputMode:
        return NumberValue(options_.InputMode);
    case kEditPasswordChar:
        return TextValue(PasswordCharText(options_.PasswordChar));
    case kEditCaseConversion:
        return NumberValue(options_.CaseConversion);
    case kEditSpinMode:
        return NumberValue(options_.SpinMode);
    case kEditSpinMin:
        return NumberValue(options_.SpinMin);
    case kEditSpinMax:
        return NumberValue(options_.SpinMax);
    case kEditSelStart:
        return NumberValue(selectionStart());
    case kEditSelLength:
        return NumberValue(selectionLength());
    case kEditSelText:
        return TextValue(selectedText());
    case kEditDataSource:
        return TextValue(options_.DataSource);
    case kEditDataColumn:
        return TextValue(options_.DataColumn);
    default:
        return {};
    }
}

std::vector<uint8_t> EditBoxUnit::serialise()
{
    EditBoxOptions current = options_;
    current.Content = text();
    current.SelStart = selectionStart();
    current.SelLength = selectionLength();
    return WriteOptions(current);
}

// Enter belongs to a multi-line box that can be written to: the window's own Enter handling (the
// default button, moving the focus) leaves it to the box, which breaks the line.
bool EditBoxUnit::wantsKey(WPARAM key)
{
    return key == VK_RETURN && options_.Multiline && options_.InputMode != kInputReadOnly;
}

bool EditBoxUnit::onReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        result = colourRequest(reinterpret_cast<HDC>(wParam));
        return true;
    case WM_COMMAND:
        if (HIWORD(wParam) != EN_CHANGE) {
            return false;
        }
        if (!changeEventHeld_) {
            RaiseUnitEvent(windowId(), unitId(), kEventChanged);
        }
        result = 0;
        return true;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (!spin_.is(header->hwndFrom) || header->code != UDN_DELTAPOS) {
            return false;
        }
        onSpinStep(reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta);
        // The up-down keeps its own position: the box's text is the value.
        result = TRUE;
        return true;
    }
    case WM_VSCROLL:
    case WM_HSCROLL:
        result = 0;
        return spin_.is(reinterpret_cast<HWND>(lParam));
    default:
        return false;
    }
}

void EditBoxUnit::applyFont(UniqueFont font)
{
    // The control lets go of the old font before it is deleted.
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(FontOrDefault(font)), TRUE);
    font_ = std::move(font);
}

LRESULT EditBoxUnit::colourRequest(HDC dc)
{
    COLORREF back = EffectiveBackColour(options_.BackColour);
    SetTextColor(dc, static_cast<COLORREF>(options_.TextColour));
    SetBkColor(dc, back);
    return reinterpret_cast<LRESULT>(brush_.get(back));
}

std::wstring EditBoxUnit::windowText() const
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(handle_)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(handle_, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string EditBoxUnit::text() const { return GbkFromWide(windowText()); }

void EditBoxUnit::setContent(const std::string& content)
{
    options_.Content = content;
    {
        HeldFlag held(changeEventHeld_);
        SetWindowTextW(handle_, WideFromGbk(content).c_str());
    }
    RaiseUnitEvent(windowId(), unitId(), kEventChanged);
}

void EditBoxUnit::normaliseTypedText()
{
    std::wstring shown = windowText();
    std::wstring normalised = WideFromGbk(NormaliseTypedText(options_.InputMode, GbkFromWide(shown)));
    if (normalised == shown) {
        return;
    }
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    SetWindowTextW(handle_, normalised.c_str());
    SendMessageW(handle_, EM_SETSEL, std::min<size_t>(start, normalised.size()),
                 std::min<size_t>(end, normalised.size()));
}

void EditBoxUnit::setInputMode(int32_t mode)
{
    int32_t old = options_.InputMode;
    options_.InputMode = mode;
    SendMessageW(handle_, EM_SETREADONLY, mode == kInputReadOnly, 0);
    if (mode == kInputPassword) {
        SetWindowLongPtrW(handle_, GWL_STYLE, GetWindowLongPtrW(handle_, GWL_STYLE) | ES_PASSWORD);
        setPasswordChar(options_.PasswordChar);
    } else if (old == kInputPassword) {
        // A zero password character also takes the password style away.
        SendMessageW(handle_, EM_SETPASSWORDCHAR, 0, 0);
        LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
        SetWindowLongPtrW(handle_, GWL_STYLE, style & ~static_cast<LONG_PTR>(ES_PASSWORD));
    }
    InvalidateRect(handle_, nullptr, TRUE);
}

void EditBoxUnit::setPasswordChar(uint16_t code)
{
    std::wstring character = WideFromGbk(PasswordCharText(code == 0 ? '*' : code));
    SendMessageW(handle_, EM_SETPASSWORDCHAR, character.empty() ? L'*' : character[0], 0);
    InvalidateRect(handle_, nullptr, TRUE);
}

void EditBoxUnit::select(int32_t start, int32_t length)
{
    std::string shown = text();
    if (length == kWholeText) {
        SendMessageW(handle_, EM_SETSEL, 0, -1);
    } else {
        size_t startByte = start == kTextEnd ? shown.size() : static_cast<size_t>(std::max(start, 0));
        size_t endByte = startByte + static_cast<size_t>(std::max(length, 0));
        SendMessageW(handle_, EM_SETSEL, GbkCharacterIndex(shown, startByte), GbkCharacterIndex(shown, endByte));
    }
    SendMessageW(handle_, EM_SCROLLCARET, 0, 0);
}

int32_t EditBoxUnit::selectionStart() const
{
    DWORD start = 0;
    SendMessageW(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int32_t>(GbkByteOffset(text(), start));
}

int32_t EditBoxUnit::selectionLength() const
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    std::string shown = text();
    return static_cast<int32_t>(GbkByteOffset(shown, end) - GbkByteOffset(shown, start));
}

std::string EditBoxUnit::selectedText() const
{
    std::string shown = text();
    size_t start = static_cast<size_t>(selectionStart());
    return shown.substr(start, static_cast<size_t>(selectionLength()));
}

void EditBoxUnit::replaceSelection(const std::string& replacement)
{
    SendMessageW(handle_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(WideFromGbk(replacement).c_str()));
}

void EditBoxUnit::onSpinStep(int delta)
{
    if (delta == 0 || !IsWindowVisible(handle_) || !IsWindowEnabled(handle_)) {
        return;
    }
    bool up = delta > 0;
    if (options_.SpinMode == kSpinEventOnly) {
        RaiseUnitEvent(windowId(), unitId(), kEventSpin, {up ? 1 : -1});
        return;
    }
    int32_t next = SpinStep(text(), up, options_.SpinMin, options_.SpinMax);
    SetWindowTextW(handle_, std::to_wstring(next).c_str());
    SendMessageW(handle_, EM_SETSEL, 0, -1);
    SetFocus(handle_);
}

}  // namespace rt::units
