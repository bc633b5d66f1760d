// The GroupBox: a "BUTTON" group box. It is the parent of the units placed in it, so it hands
// their notifications (colour requests, clicks) back to them before its own handling.
#include "controls/buttons/group_box.h"

#include "controls/buttons/button_family.h"
#include "controls/buttons/button_values.h"
#include "runtime/unit_options/group_box_options.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/templates/unit_kinds.h"
#include "runtime/window/unit_reflection.h"

namespace rt::units {
namespace {

enum GroupBoxProperty : int { kCaption = 0, kAlignment, kTextColour, kBackColour, kFont, kPropertyCount };

constexpr PropertyDescription kProperties[kPropertyCount] = {
    {"Caption", PropertyType::kText},   {"Alignment", PropertyType::kInt}, {"TextColour", PropertyType::kInt},
    {"BackColour", PropertyType::kInt}, {"Font", PropertyType::kFont},
};

class GroupBoxUnit : public ButtonFamilyUnit {
public:
    GroupBoxUnit(const UnitCreateArgs& args, GroupBoxOptions options)
        : ButtonFamilyUnit(args), options_(std::move(options))
    {
        options_.Alignment = ClampPick(options_.Alignment, 2);
    }

    bool create(const UnitCreateArgs& args)
    {
        if (!createControl(args, options_.Caption)) {
            return false;
        }
        setFont(options_.Font);
        return true;
    }

    bool setProperty(int number, const PropertyValue& value) override
    {
        switch (number) {
        case kCaption:
            options_.Caption = value.text;
            setCaption(options_.Caption);
            break;
        case kAlignment:
            options_.Alignment = ClampPick(value.number, 2);
            refreshStyle();
            break;
        case kTextColour:
            options_.TextColour = static_cast<uint32_t>(value.number);
            break;
        case kBackColour:
            options_.BackColour = static_cast<uint32_t>(value.number);
            break;
        case kFont:
            options_.Font = FontOf(value);
            setFont(options_.Font);
            break;
        default:
            return false;
        }
        InvalidateRect(handle_, nullptr, TRUE);
        return false;
    }

    PropertyValue getProperty(int number) override
    {
        switch (number) {
        case kCaption:
            return TextValue(options_.Caption);
        case kAlignment:
            return NumberValue(options_.Alignment);
        case kTextColour:
            return NumberValue(static_cast<int32_t>(options_.TextColour));
        case kBackColour:
            return NumberValue(static_cast<int32_t>(options_.BackColour));
        case kFont:
            return FontValue(options_.Font);
        default:
            return {};
        }
    }

    std::vector<uint8_t> serialise() override { return WriteOptions(options_); }
    std::string caption() override { return options_.Caption; }

    bool onReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override
    {
        if (!IsColourRequest(message)) {
            return false;
        }
        result = answerColour(reinterpret_cast<HDC>(wParam), options_.TextColour, options_.BackColour);
        return true;
    }

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (LRESULT answer = 0; ReflectToUnit(message, wParam, lParam, answer)) {
            return answer;
        }
        if (message == WM_ERASEBKGND) {
            // The group box paints only its frame and caption; its inside shows its own colour,
            // since the window clips its children out of its own background.
            RECT client;
            GetClientRect(handle_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, backgroundBrush(options_.BackColour));
            return 1;
        }
        return callControl(message, wParam, lParam);
    }

protected:
    DWORD buttonStyle() const override { return BS_GROUPBOX | HorizontalAlignStyle(options_.Alignment); }

private:
    GroupBoxOptions options_;
};

LiveUnit* CreateGroupBox(const UnitCreateArgs& args)
{
    return CreateButtonFamilyUnit<GroupBoxUnit, GroupBoxOptions>(args);
}

// Raises events (the common ones); an Alt mnemonic moves the focus onward.
constexpr uint32_t kGroupBoxFlags = kind_flags::kRaisesEvents | 0x4000;

const UnitKindDescription kGroupBoxDescription{
    kGroupBoxKind, "分组框", "GroupBox", kGroupBoxFlags, kProperties, kPropertyCount, CreateGroupBox, nullptr,
};

}  // namespace

const UnitKindDescription& GroupBoxKind() { return kGroupBoxDescription; }

}  // namespace rt::units
