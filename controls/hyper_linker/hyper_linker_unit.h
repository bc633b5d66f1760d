// A live HyperLinker: its options, its window (own class, hand cursor), hover tracking, painting
// in the normal, hover or visited colour, and opening its target.
#pragma once

#include <windows.h>

#include <optional>

#include "controls/common/unit_look.h"
#include "runtime/unit_options/hyper_linker_options.h"
#include "runtime/window/unit_kind.h"

namespace rt::units {

// The kind's own property numbers.
enum HyperLinkerProperty : int {
    kLinkCaption = 0,
    kLinkType = 1,
    kLinkMailAddress = 2,
    kLinkWebAddress = 3,
    kLinkNormalColour = 4,
    kLinkVisitedColour = 5,
    kLinkHoverColour = 6,
    kLinkBackColour = 7,
    kLinkBorder = 8,
    kLinkFont = 9,
    kLinkPropertyCount = 10,
};

class HyperLinkerUnit : public LiveUnit {
public:
    HyperLinkerUnit(const UnitCreateArgs& args, HyperLinkerOptions options);

    // Creates the unit's window; null when the window could not be made.
    static HyperLinkerUnit* Create(const UnitCreateArgs& args, HyperLinkerOptions options);

    bool setProperty(int number, const PropertyValue& value) override;
    PropertyValue getProperty(int number) override;
    std::vector<uint8_t> serialise() override;

    // Opens the target with the show mode; a success marks the link visited. False for an empty
    // address, which opens nothing.
    bool open(int show);

    void bind(HWND window) { handle_ = window; }
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void draw(HDC dc);
    void onPaint();
    void onMouseMove(LPARAM lParam);
    void onCaptureLost();
    void onLeftUp(LPARAM lParam);
    void setHot(bool hot);
    void showCaption();

    HyperLinkerOptions options_;
    UniqueFont font_;
    bool hot_ = false;
    bool pressed_ = false;
    bool visited_ = false;
    // The time of the message being handled when the link was last opened, and of the last press:
    // a press whose left-button-down handler opened the link already does not open it again.
    std::optional<LONG> openedAt_;
    LONG pressedAt_ = 0;
};

}  // namespace rt::units
