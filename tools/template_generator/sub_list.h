// The ordered list of application subs that templates bind: one name a line, # starts a comment.
// A name's position in the list is its entry index in the application's code base.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace generator {

// False, with "line N: ..." in error, for a line that is not one name or a name given twice.
bool ParseSubList(std::string_view text, std::vector<std::string>& names, std::string& error);

}  // namespace generator
