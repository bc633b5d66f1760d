// Turning the description's UTF-8 texts into the GBK bytes that the program keeps.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace generator {

// The GBK bytes of a UTF-8 text; nullopt when it is not UTF-8 or holds a character GBK lacks.
std::optional<std::string> Utf8ToGbk(std::string_view utf8);

}  // namespace generator
