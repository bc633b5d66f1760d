// CheckBox and RadioBox share one unit: a multi-line automatic check box or radio button with a
// check state, push-like, flat and left-text looks, its own text and background colours and an
// optional image. Their properties are numbered alike; the CheckBox adds the data-binding texts.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "controls/buttons/button_family.h"

namespace rt::units {

enum ChoiceProperty : int {
    kChoiceImage = 0,
    kChoicePushLike,
    kChoiceFlat,
    kChoiceCaption,
    kChoiceTextOnLeft,
    kChoiceHorizontalAlign,
    kChoiceVerticalAlign,
    kChoiceTextColour,
    kChoiceBackColour,
    kChoiceFont,
    kChoiceChecked,
    kChoiceDataSource,
    kChoiceDataColumn,
    kCheckBoxPropertyCount,
    kRadioBoxPropertyCount = kChoiceDataSource,
};

extern const PropertyDescription kChoiceProperties[kCheckBoxPropertyCount];

// Options is CheckBoxOptions or RadioBoxOptions.
template <class Options>
class ChoiceBoxUnit : public ButtonFamilyUnit {
public:
    ChoiceBoxUnit(const UnitCreateArgs& args, Options options, bool radio);

    bool create(const UnitCreateArgs& args);

    bool setProperty(int number, const PropertyValue& value) override;
    PropertyValue getProperty(int number) override;
    std::vector<uint8_t> serialise() override;
    std::string caption() override { return options_.Caption; }
    // A check box toggles; a radio box is checked and the others of its group are cleared.
    void onMnemonic() override;
    bool onReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    DWORD buttonStyle() const override;

private:
    bool checked() const;
    void setChecked(bool checked);

    Options options_;
    bool radio_;
    // A radio button reports a click when it gets the focus; that is no click of the user's.
    bool inFocusChange_ = false;
};

// The radio buttons that share the control's group: the automatic radio buttons among its
// siblings, the control included.
std::vector<HWND> RadioGroupOf(HWND control);

}  // namespace rt::units
