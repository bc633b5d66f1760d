// Where a check box or radio button puts its box and its text inside the client area, by the
// left-text (0x20), top (0x400) and bottom (0x800) styles.
#pragma once

#include <windows.h>

namespace rt::commands::skin {

struct ChoiceMetrics {
    int boxSize;
    // Centred: the box's top is (client height - centring) / 2.
    int centring;
    // With the bottom style the text area starts this far above the bottom.
    int bottomTextGap;
    // The box's left edge when it stands at the left.
    int leftEdge;
};

inline constexpr ChoiceMetrics kCheckBoxMetrics{13, 13, 18, 0};
inline constexpr ChoiceMetrics kRadioMetrics{16, 15, 21, -1};

struct ChoiceLayout {
    RECT box;
    RECT text;
};

ChoiceLayout LayOutChoice(const RECT& client, LONG_PTR style, const ChoiceMetrics& metrics);

}  // namespace rt::commands::skin
