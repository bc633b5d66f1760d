#include "commands/control_skin/skin_painter.h"

#include "commands/control_skin/painters.h"

namespace rt::commands::skin {

void PaintSkinned(const SkinRecord& record, int scheme)
{
    if (!IsWindowVisible(record.window)) {
        return;
    }
    PaintSurface surface(record.window);
    if (!surface.ready()) {
        return;
    }
    switch (record.kind) {
    case SkinKind::kPushButton:
        PaintPushButton(record, surface, scheme);
        break;
    case SkinKind::kCheckBox:
        PaintCheckBox(record, surface, scheme);
        break;
    case SkinKind::kRadioButton:
        PaintRadioButton(record, surface, scheme);
        break;
    case SkinKind::kEditBox:
        PaintEditFrame(record, surface, scheme);
        break;
    case SkinKind::kComboBox:
        PaintComboBox(record, surface, scheme);
        break;
    case SkinKind::kUpDown:
        PaintUpDown(record, surface, scheme);
        break;
    case SkinKind::kGroupBox:
        PaintGroupBox(record, surface);
        break;
    case SkinKind::kDropDownList:
        PaintDropDownList(record, surface, scheme);
        break;
    default:
        break;
    }
}

}  // namespace rt::commands::skin
