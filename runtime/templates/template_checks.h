// The rules that ids and references in a template block keep. Window ids are valid, of the window
// class and unique. In each window, unit ids are valid and unique; unit 0 is the window's own unit
// (class 0x06, not a menu item, inside no container); every other unit has class 0x16, or 0x26
// exactly when it is a menu item. A container or child (0 apart, which separates pages) names a
// placed unit of the same window other than the unit itself and other than unit 0. Containers and
// event sources never lead around in a loop, so that following them always ends.
#pragma once

#include <vector>

#include "runtime/templates/template_block.h"

namespace rt {

bool UnitsAreConsistent(const std::vector<UnitRecord>& units);
bool WindowsAreConsistent(const std::vector<WindowRecord>& windows);

}  // namespace rt
