// The Button: a multi-line "BUTTON" push button, the default button for ButtonType 1, showing its
// Image instead of the caption when the picture decodes.
#include "controls/buttons/button.h"

#include "controls/buttons/button_family.h"
#include "controls/buttons/button_values.h"
#include "runtime/unit_options/button_options.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/templates/unit_kinds.h"
#include "runtime/window/events.h"

namespace rt::units {
namespace {

enum ButtonProperty : int {
    kImage = 0,
    kButtonType,
    kCaption,
    kHorizontalAlign,
    kVerticalAlign,
    kFont,
    kPropertyCount
};

constexpr PropertyDescription kProperties[kPropertyCount] = {
    {"Image", PropertyType::kByteSet},       {"ButtonType", PropertyType::kInt},    {"Caption", PropertyType::kText},
    {"HorizontalAlign", PropertyType::kInt}, {"VerticalAlign", PropertyType::kInt}, {"Font", PropertyType::kFont},
};

constexpr int32_t kClickEvent = 0;

class ButtonUnit : public ButtonFamilyUnit {
public:
    ButtonUnit(const UnitCreateArgs& args, ButtonOptions options) : ButtonFamilyUnit(args), options_(std::move(options))
    {
        options_.ButtonType = ClampPick(options_.ButtonType, 1);
    }

    bool create(const UnitCreateArgs& args)
    {
        if (!createControl(args, options_.Caption)) {
            return false;
        }
        setFont(options_.Font);
        setImage(options_.Image, true);
        return true;
    }

    bool setProperty(int number, const PropertyValue& value) override
    {
        switch (number) {
        case kImage:
            options_.Image = value.bytes;
            setImage(options_.Image, true);
            break;
        case kButtonType:
            options_.ButtonType = ClampPick(value.number, 1);
            refreshStyle();
            break;
        case kCaption:
            options_.Caption = value.text;
            setCaption(options_.Caption);
            break;
        case kHorizontalAlign:
            options_.HorizontalAlign = value.number;
            refreshStyle();
            break;
        case kVerticalAlign:
            options_.VerticalAlign = value.number;
            refreshStyle();
            break;
        case kFont:
            options_.Font = FontOf(value);
            setFont(options_.Font);
            break;
        default:
            break;
        }
        return false;
    }

    PropertyValue getProperty(int number) override
    {
        switch (number) {
        case kImage:
            return BytesValue(options_.Image);
        case kButtonType:
            return NumberValue(options_.ButtonType);
        case kCaption:
            return TextValue(options_.Caption);
        case kHorizontalAlign:
            return NumberValue(options_.HorizontalAlign);
        case kVerticalAlign:
            return NumberValue(options_.VerticalAlign);
        case kFont:
            return FontValue(options_.Font);
        default:
            return {};
        }
    }

    std::vector<uint8_t> serialise() override { return WriteOptions(options_); }
    std::string caption() override { return options_.Caption; }

    // Enter reaches the button that has the default-button style now, focused or not.
    bool offerEnter(bool) override
    {
        if (!isDefaultButton() || !IsWindowVisible(handle_) || !IsWindowEnabled(handle_)) {
            return false;
        }
        RaiseUnitEvent(windowId(), unitId(), kClickEvent);
        return true;
    }

    bool onReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override
    {
        if (!IsClickNotification(message, wParam)) {
            return false;
        }
        RaiseUnitEvent(windowId(), unitId(), kClickEvent);
        result = 0;
        return true;
    }

protected:
    DWORD buttonStyle() const override
    {
        DWORD type = options_.ButtonType == 1 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        return type | BS_MULTILINE | HorizontalAlignStyle(options_.HorizontalAlign) |
               VerticalAlignStyle(options_.VerticalAlign) | imageStyle();
    }

private:
    // The control's current style, which the window may have changed since ButtonType was set.
    bool isDefaultButton() const { return (GetWindowLongPtrW(handle_, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON; }

    ButtonOptions options_;
};

LiveUnit* CreateButton(const UnitCreateArgs& args) { return CreateButtonFamilyUnit<ButtonUnit, ButtonOptions>(args); }

// Raises events; an Alt mnemonic raises its click.
constexpr uint32_t kButtonFlags = kind_flags::kRaisesEvents | kind_flags::kMnemonicButton;

const UnitKindDescription kButtonDescription{
    kButtonKind, "按钮", "Button", kButtonFlags, kProperties, kPropertyCount, CreateButton, nullptr,
};

}  // namespace

const UnitKindDescription& ButtonKind() { return kButtonDescription; }

}  // namespace rt::units
