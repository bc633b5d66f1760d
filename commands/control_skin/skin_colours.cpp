#include "commands/control_skin/skin_colours.h"

#include <algorithm>

namespace rt::commands::skin {
namespace {

constexpr int kSchemes = 3;
constexpr int kRows = 7;
constexpr int kUses = 3;
constexpr int kStates = 4;

constexpr COLORREF kFrameColours[kSchemes] = {RGB(123, 158, 189), RGB(164, 185, 127), RGB(198, 197, 215)};
constexpr COLORREF kOutlineColours[kSchemes] = {RGB(0, 60, 115), RGB(55, 98, 6), RGB(0, 60, 116)};

constexpr Gradient Vertical(COLORREF top, COLORREF bottom) { return {top, top, bottom, bottom}; }
constexpr Gradient Flat(COLORREF colour) { return {colour, colour, colour, colour}; }

constexpr Gradient kPressedRow1 = Vertical(RGB(209, 204, 193), RGB(242, 241, 238));
constexpr Gradient kPressedRowFlat = Flat(RGB(239, 227, 206));
constexpr Gradient kHotRow = Vertical(RGB(255, 240, 207), RGB(229, 151, 0));
constexpr Gradient kCheckedRow = {RGB(214, 203, 189), RGB(214, 207, 198), RGB(247, 243, 239), RGB(247, 243, 239)};
constexpr Gradient kBlueFocusRow = Vertical(RGB(206, 231, 255), RGB(105, 130, 238));
constexpr Gradient kNormalBandRow = Vertical(RGB(255, 255, 255), RGB(226, 223, 214));

constexpr Gradient kButtonRows[kSchemes][kRows] = {
    {kPressedRow1,
     kHotRow,
     kCheckedRow,
     kBlueFocusRow,
     kNormalBandRow,
     {RGB(231, 227, 222), RGB(231, 231, 231), RGB(231, 227, 222), RGB(231, 227, 222)},
     Vertical(RGB(252, 252, 251), RGB(236, 235, 230))},
    {kPressedRowFlat, kHotRow, kCheckedRow, kHotRow, kNormalBandRow, kPressedRowFlat,
     Vertical(RGB(252, 252, 251), RGB(236, 225, 201))},
    {kPressedRowFlat, kHotRow, kCheckedRow, kBlueFocusRow, kNormalBandRow,
     Vertical(RGB(179, 178, 197), RGB(252, 252, 251)), Vertical(RGB(252, 252, 251), RGB(198, 197, 215))},
};

// Check boxes and radio buttons look the same in every scheme; the arrows of combo boxes and
// up-downs take the scheme's outline colour, lighter at the top, and the hot colours of the buttons.
constexpr Gradient kWhite = Flat(RGB(255, 255, 255));
constexpr Gradient kChoicePressed = {RGB(181, 178, 165), RGB(214, 215, 206), RGB(214, 215, 206), RGB(247, 239, 222)};
constexpr Gradient kChoiceNormal = {RGB(222, 223, 214), RGB(247, 243, 239), RGB(247, 243, 239), RGB(255, 255, 255)};
constexpr Gradient kCheckHot = {RGB(255, 243, 206), RGB(255, 203, 99), RGB(255, 203, 99), RGB(255, 178, 49)};
constexpr Gradient kRadioHot = {RGB(255, 223, 156), RGB(255, 195, 82), RGB(255, 203, 99), RGB(255, 186, 57)};
constexpr Gradient kArrowDisabled = Flat(RGB(201, 199, 186));
constexpr Gradient kArrowHot = Vertical(RGB(255, 178, 49), RGB(192, 110, 0));

constexpr Gradient kStateGradients[kSchemes][kUses][kStates] = {
    {{kWhite, kChoicePressed, kCheckHot, kChoiceNormal},
     {kWhite, kChoicePressed, kRadioHot, kChoiceNormal},
     {kArrowDisabled, Vertical(RGB(0, 42, 81), RGB(0, 24, 46)), kArrowHot,
      Vertical(RGB(61, 109, 152), RGB(0, 60, 115))}},
    {{kWhite, kChoicePressed, kCheckHot, kChoiceNormal},
     {kWhite, kChoicePressed, kRadioHot, kChoiceNormal},
     {kArrowDisabled, Vertical(RGB(38, 69, 4), RGB(22, 39, 2)), kArrowHot,
      Vertical(RGB(110, 142, 67), RGB(55, 98, 6))}},
    {{kWhite, kChoicePressed, kCheckHot, kChoiceNormal},
     {kWhite, kChoicePressed, kRadioHot, kChoiceNormal},
     {kArrowDisabled, Vertical(RGB(0, 42, 81), RGB(0, 24, 46)), kArrowHot,
      Vertical(RGB(99, 128, 165), RGB(0, 60, 116))}},
};

int SchemeIndex(int scheme) { return ValidScheme(scheme) - 1; }

BYTE Less(BYTE value, BYTE amount) { return static_cast<BYTE>(value > amount ? value - amount : 0); }

}  // namespace

int ValidScheme(int scheme) { return scheme >= 1 && scheme <= kSchemes ? scheme : kSchemes; }

COLORREF SchemeFrameColour(int scheme) { return kFrameColours[SchemeIndex(scheme)]; }

COLORREF SchemeOutlineColour(int scheme) { return kOutlineColours[SchemeIndex(scheme)]; }

const Gradient& ButtonGradient(int scheme, ButtonRow row)
{
    return kButtonRows[SchemeIndex(scheme)][std::clamp(static_cast<int>(row), 0, kRows - 1)];
}

const Gradient& StateGradient(int scheme, GradientUse use, GradientState state)
{
    return kStateGradients[SchemeIndex(scheme)][std::clamp(static_cast<int>(use), 0, kUses - 1)]
                          [std::clamp(static_cast<int>(state), 0, kStates - 1)];
}

COLORREF Darker(COLORREF colour, COLORREF amount)
{
    return RGB(Less(GetRValue(colour), GetRValue(amount)), Less(GetGValue(colour), GetGValue(amount)),
               Less(GetBValue(colour), GetBValue(amount)));
}

COLORREF ButtonFace() { return GetSysColor(COLOR_BTNFACE); }

}  // namespace rt::commands::skin
