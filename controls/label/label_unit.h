// The live Label: its options, font and decoded background picture, bound to its own window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "controls/common/unit_look.h"
#include "runtime/unit_options/label_options.h"
#include "runtime/win32/owned_handles.h"
#include "runtime/window/unit_kind.h"

namespace rt::units {

class LabelUnit : public LiveUnit {
public:
    LabelUnit(const UnitCreateArgs& args, LabelOptions options);
    // The label is no longer reachable for RaiseFeedback once it is gone.
    ~LabelUnit() override;

    bool setProperty(int number, const PropertyValue& value) override;
    PropertyValue getProperty(int number) override;
    std::vector<uint8_t> serialise() override;
    std::string caption() override { return options_.Caption; }

    void bind(HWND window) { handle_ = window; }
    // After creation: the border, and the label is reachable for RaiseFeedback.
    void finishCreation();

    // The label's window procedure, one handler per message.
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void draw(HDC dc);
    void onPaint();
    LRESULT onFeedback(WPARAM a, LPARAM b);
    void applyProperty(int number);

    LabelOptions options_;
    UniqueFont font_;
    UniqueBitmap backPicture_;
};

// The Label kind's create routine.
LiveUnit* CreateLabelUnit(const UnitCreateArgs& args);

}  // namespace rt::units
