// The live EditBox unit: the state of one "EDIT" control, bound to it when it is created and freed
// at its WM_NCDESTROY. The control's window procedure is replaced by the unit's, which refuses
// characters the input mode does not take, normalises the text when the focus leaves and keeps
// the up-down control beside the box; everything else goes to the saved procedure.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "controls/common/subclassed_control_unit.h"
#include "controls/common/unit_look.h"
#include "controls/edit_box/edit_spin.h"
#include "runtime/unit_options/edit_box_options.h"

namespace rt::units {

class EditBoxUnit : public SubclassedControlUnit {
public:
    // Creates the control and its up-down control; null on failure. The control owns the unit.
    static EditBoxUnit* Create(const UnitCreateArgs& args, EditBoxOptions options);

    bool setProperty(int number, const PropertyValue& value) override;
    PropertyValue getProperty(int number) override;
    std::vector<uint8_t> serialise() override;
    bool wantsKey(WPARAM key) override;
    bool onReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    EditBoxUnit(const UnitCreateArgs& args, EditBoxOptions options);

    bool createControl(const UnitCreateArgs& args);
    void applyFont(UniqueFont font);

    std::wstring windowText() const;
    std::string text() const;
    void setContent(const std::string& content);
    void normaliseTypedText();
    void setInputMode(int32_t mode);
    void setPasswordChar(uint16_t code);
    // Selects from start for length (GBK bytes), with -1 as the text's end or whole text.
    void select(int32_t start, int32_t length);
    int32_t selectionStart() const;
    int32_t selectionLength() const;
    std::string selectedText() const;
    void replaceSelection(const std::string& replacement);
    void onSpinStep(int delta);
    LRESULT colourRequest(HDC dc);
    // Stores a value whose change needs a new control; true when it changed.
    template <class Value>
    bool rebuildIfChanged(Value& stored, Value value);

    EditBoxOptions options_;
    UniqueFont font_;
    BackgroundBrush brush_;
    EditSpin spin_;
    bool changeEventHeld_ = false;
};

}  // namespace rt::units
