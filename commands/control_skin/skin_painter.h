// Painting a skinned window from its record: into a memory bitmap of the window's size, then onto
// the window, by the painter of the record's kind.
#pragma once

#include "commands/control_skin/skin_record.h"

namespace rt::commands::skin {

// Nothing happens for a hidden window or when GDI cannot make the bitmap.
void PaintSkinned(const SkinRecord& record, int scheme);

}  // namespace rt::commands::skin
