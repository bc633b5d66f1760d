// One painter per kind family. Each draws the control from its record into the paint surface,
// in the scheme's colours, and copies the result to the window.
#pragma once

#include "commands/control_skin/paint_surface.h"
#include "commands/control_skin/skin_record.h"

namespace rt::commands::skin {

// Push buttons, and check boxes and radio buttons with the push-like style.
void PaintPushButton(const SkinRecord& record, PaintSurface& surface, int scheme);
// Check boxes and radio buttons take their gradients from the scheme's table, whose entries for
// them are the same in every scheme; group boxes use no scheme colour.
void PaintCheckBox(const SkinRecord& record, PaintSurface& surface, int scheme);
void PaintRadioButton(const SkinRecord& record, PaintSurface& surface, int scheme);
void PaintGroupBox(const SkinRecord& record, PaintSurface& surface);
// The frame of a bordered edit box; the box keeps its own painting inside.
void PaintEditFrame(const SkinRecord& record, PaintSurface& surface, int scheme);
// Combo boxes get the edit box's frame and a drop button of their own; their text stays theirs.
void PaintComboBox(const SkinRecord& record, PaintSurface& surface, int scheme);
// The frame of a combo box's open list.
void PaintDropDownList(const SkinRecord& record, PaintSurface& surface, int scheme);
void PaintUpDown(const SkinRecord& record, PaintSurface& surface, int scheme);

}  // namespace rt::commands::skin
