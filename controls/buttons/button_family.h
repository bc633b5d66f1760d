// What GroupBox, Button, CheckBox and RadioBox share: a "BUTTON" control owned by its unit. The
// unit subclasses its control to see its messages and to delete itself at WM_NCDESTROY; it keeps
// the font, the colour-request brush and the image, and rebuilds the control's style in place.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/buttons/button_image.h"
#include "controls/common/subclassed_control_unit.h"
#include "controls/common/unit_look.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/unit_options/font_description.h"
#include "runtime/window/unit_kind.h"

namespace rt::units {

class ButtonFamilyUnit : public SubclassedControlUnit {
public:
    explicit ButtonFamilyUnit(const UnitCreateArgs& args) : SubclassedControlUnit(args.windowId, args.unitId) {}

protected:
    // The BUTTON style bits (the low word) the unit's options give.
    virtual DWORD buttonStyle() const = 0;

    // Creates the control with the options' style and caption and subclasses it; false on failure.
    // The unit then belongs to the control.
    bool createControl(const UnitCreateArgs& args, const std::string& caption);

    // Puts the current buttonStyle() into the control in place and repaints.
    void refreshStyle();
    void setCaption(const std::string& caption);
    void setFont(const std::optional<FontDescription>& font);
    // Decodes the Image bytes, sets the image style and hands the image to the control.
    void setImage(const std::vector<uint8_t>& bytes, bool pushStyle);
    DWORD imageStyle() const { return image_.style(); }
    // A reflected colour request: text and background colour set, the background brush answered.
    LRESULT answerColour(HDC dc, uint32_t textColour, uint32_t backColour);
    HBRUSH backgroundBrush(uint32_t backColour) { return brush_.get(EffectiveBackColour(backColour)); }

private:
    UniqueFont font_;
    BackgroundBrush brush_;
    ButtonImage image_;
};

// A button-family kind's create routine: the options read from the property data, then the unit
// and its control; null when either fails.
template <class Unit, class Options, class... Extra>
LiveUnit* CreateButtonFamilyUnit(const UnitCreateArgs& args, Extra... extra)
{
    std::optional<Options> options = ReadOptions<Options>(args.propertyData, args.propertyLength);
    if (!options) {
        return nullptr;
    }
    auto unit = std::make_unique<Unit>(args, std::move(*options), extra...);
    if (!unit->create(args)) {
        return nullptr;
    }
    return unit.release();
}

// True for a reflected BN_CLICKED.
bool IsClickNotification(UINT message, WPARAM wParam);
// True for a reflected colour request of a button-family control.
bool IsColourRequest(UINT message);

}  // namespace rt::units
