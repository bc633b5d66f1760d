// The library's switched state: the scheme the skin paints in.
#pragma once

namespace rt::commands::skin {

// The scheme of the last switch-on (1 to 3).
int CurrentScheme();

}  // namespace rt::commands::skin
