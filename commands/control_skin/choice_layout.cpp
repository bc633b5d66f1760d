#include "commands/control_skin/choice_layout.h"

namespace rt::commands::skin {
namespace {

constexpr LONG_PTR kLeftText = 0x20;
// The text stands this far from the edge where the box is.
constexpr LONG kTextGap = 18;

}  // namespace

ChoiceLayout LayOutChoice(const RECT& client, LONG_PTR style, const ChoiceMetrics& metrics)
{
    ChoiceLayout layout{client, client};
    const LONG size = metrics.boxSize;
    if (style & kLeftText) {
        layout.box.left = client.right - size;
        layout.text.right = client.right - kTextGap;
    } else {
        layout.box.left = client.left + metrics.leftEdge;
        layout.text.left = client.left + kTextGap;
    }
    layout.box.right = layout.box.left + size;
    switch (style & BS_VCENTER) {
    case BS_BOTTOM:
        layout.box.top = client.bottom - size;
        layout.text.top = client.bottom - metrics.bottomTextGap;
        break;
    case BS_VCENTER:
        layout.box.top = client.top + (client.bottom - client.top - metrics.centring) / 2;
        break;
    default:
        layout.box.top = client.top;
        layout.text.top += 1;
        break;
    }
    layout.box.bottom = layout.box.top + size;
    return layout;
}

}  // namespace rt::commands::skin
