#include "controls/buttons/choice_box.h"

#include "controls/buttons/button_values.h"
#include "runtime/unit_options/check_box_options.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/unit_options/radio_box_options.h"
#include "runtime/window/events.h"

namespace rt::units {
namespace {

constexpr int32_t kClickEvent = 0;

// Only the CheckBox has the data-binding texts.
std::string* DataText(CheckBoxOptions& options, int number)
{
    if (number == kChoiceDataSource) {
        return &options.DataSource;
    }
    return number == kChoiceDataColumn ? &options.DataColumn : nullptr;
}
std::string* DataText(RadioBoxOptions&, int) { return nullptr; }

}  // namespace

const PropertyDescription kChoiceProperties[kCheckBoxPropertyCount] = {
    {"Image", PropertyType::kByteSet},      {"PushLike", PropertyType::kLogical},
    {"Flat", PropertyType::kLogical},       {"Caption", PropertyType::kText},
    {"TextOnLeft", PropertyType::kLogical}, {"HorizontalAlign", PropertyType::kInt},
    {"VerticalAlign", PropertyType::kInt},  {"TextColour", PropertyType::kInt},
    {"BackColour", PropertyType::kInt},     {"Font", PropertyType::kFont},
    {"Checked", PropertyType::kLogical},    {"DataSource", PropertyType::kText},
    {"DataColumn", PropertyType::kText},
};

std::vector<HWND> RadioGroupOf(HWND control)
{
    std::vector<HWND> group;
    HWND parent = GetParent(control);
    for (HWND sibling = GetWindow(control, GW_HWNDFIRST); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        bool radio = (GetWindowLongPtrW(sibling, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
        wchar_t className[16] = {};
        GetClassNameW(sibling, className, 16);
        if (radio && GetParent(sibling) == parent && lstrcmpiW(className, L"BUTTON") == 0) {
            group.push_back(sibling);
        }
    }
    return group;
}

template <class Options>
ChoiceBoxUnit<Options>::ChoiceBoxUnit(const UnitCreateArgs& args, Options options, bool radio)
    : ButtonFamilyUnit(args), options_(std::move(options)), radio_(radio)
{
}

template <class Options>
bool ChoiceBoxUnit<Options>::create(const UnitCreateArgs& args)
{
    if (!createControl(args, options_.Caption)) {
        return false;
    }
    setFont(options_.Font);
    setImage(options_.Image, options_.PushLike);
    setChecked(options_.Checked);
    return true;
}

template <class Options>
DWORD ChoiceBoxUnit<Options>::buttonStyle() const
{
    DWORD style = (radio_ ? BS_AUTORADIOBUTTON : BS_AUTOCHECKBOX) | BS_MULTILINE |
                  HorizontalAlignStyle(options_.HorizontalAlign) | VerticalAlignStyle(options_.VerticalAlign) |
                  imageStyle();
    if (options_.PushLike) {
        style |= BS_PUSHLIKE;
    }
    if (options_.Flat) {
        style |= BS_FLAT;
    }
    if (options_.TextOnLeft) {
        style |= BS_LEFTTEXT;
    }
    return style;
}

template <class Options>
bool ChoiceBoxUnit<Options>::checked() const
{
    return SendMessageW(handle_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

template <class Options>
void ChoiceBoxUnit<Options>::setChecked(bool checked)
{
    options_.Checked = checked;
    SendMessageW(handle_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

template <class Options>
bool ChoiceBoxUnit<Options>::setProperty(int number, const PropertyValue& value)
{
    bool on = value.number != 0;
    switch (number) {
    case kChoiceImage:
        options_.Image = value.bytes;
        setImage(options_.Image, options_.PushLike);
        break;
    case kChoicePushLike:
        options_.PushLike = on;
        // An icon shows as an icon only on a push-like box.
        setImage(options_.Image, options_.PushLike);
        break;
    case kChoiceFlat:
        options_.Flat = on;
        refreshStyle();
        break;
    case kChoiceCaption:
        options_.Caption = value.text;
        setCaption(options_.Caption);
        break;
    case kChoiceTextOnLeft:
        options_.TextOnLeft = on;
        refreshStyle();
        break;
    case kChoiceHorizontalAlign:
        options_.HorizontalAlign = value.number;
        refreshStyle();
        break;
    case kChoiceVerticalAlign:
        options_.VerticalAlign = value.number;
        refreshStyle();
        break;
    case kChoiceTextColour:
        options_.TextColour = static_cast<uint32_t>(value.number);
        InvalidateRect(handle_, nullptr, TRUE);
        break;
    case kChoiceBackColour:
        options_.BackColour = static_cast<uint32_t>(value.number);
        InvalidateRect(handle_, nullptr, TRUE);
        break;
    case kChoiceFont:
        options_.Font = FontOf(value);
        setFont(options_.Font);
        break;
    case kChoiceChecked:
        setChecked(on);
        break;
    default:
        if (std::string* text = DataText(options_, number)) {
            *text = value.text;
        }
        break;
    }
    return false;
}

template <class Options>
PropertyValue ChoiceBoxUnit<Options>::getProperty(int number)
{
    switch (number) {
    case kChoiceImage:
        return BytesValue(options_.Image);
    case kChoicePushLike:
        return NumberValue(options_.PushLike);
    case kChoiceFlat:
        return NumberValue(options_.Flat);
    case kChoiceCaption:
        return TextValue(options_.Caption);
    case kChoiceTextOnLeft:
        return NumberValue(options_.TextOnLeft);
    case kChoiceHorizontalAlign:
        return NumberValue(options_.HorizontalAlign);
    case kChoiceVerticalAlign:
        return NumberValue(options_.VerticalAlign);
    case kChoiceTextColour:
        return NumberValue(static_cast<int32_t>(options_.TextColour));
    case kChoiceBackColour:
        return NumberValue(static_cast<int32_t>(options_.BackColour));
    case kChoiceFont:
        return FontValue(options_.Font);
    case kChoiceChecked:
        return NumberValue(checked());
    default:
        break;
    }
    std::string* text = DataText(options_, number);
    return text ? TextValue(*text) : PropertyValue{};
}

template <class Options>
std::vector<uint8_t> ChoiceBoxUnit<Options>::serialise()
{
    Options current = options_;
    current.Checked = checked();
    return WriteOptions(current);
}

template <class Options>
void ChoiceBoxUnit<Options>::onMnemonic()
{
    if (!radio_) {
        setChecked(!checked());
        return;
    }
    for (HWND member : RadioGroupOf(handle_)) {
        if (member != handle_) {
            SendMessageW(member, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
    setChecked(true);
}

template <class Options>
bool ChoiceBoxUnit<Options>::onReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (IsColourRequest(message)) {
        result = answerColour(reinterpret_cast<HDC>(wParam), options_.TextColour, options_.BackColour);
        return true;
    }
    if (!IsClickNotification(message, wParam)) {
        return false;
    }
    if (!inFocusChange_) {
        RaiseUnitEvent(windowId(), unitId(), kClickEvent);
    }
    result = 0;
    return true;
}

template <class Options>
LRESULT ChoiceBoxUnit<Options>::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!radio_ || (message != WM_SETFOCUS && message != WM_KILLFOCUS)) {
        return callControl(message, wParam, lParam);
    }
    bool outer = inFocusChange_;
    inFocusChange_ = true;
    LRESULT result = callControl(message, wParam, lParam);
    inFocusChange_ = outer;
    return result;
}

template class ChoiceBoxUnit<CheckBoxOptions>;
template class ChoiceBoxUnit<RadioBoxOptions>;

}  // namespace rt::units
