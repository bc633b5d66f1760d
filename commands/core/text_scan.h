// Searching and cutting GBK texts by characters: a byte of 0x80 or more opens a double-byte
// character, so a match never starts on its second byte.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace rt::commands {

// The 0-based position of the last match of sought lying wholly in text; nothing when there is
// none. An empty sought matches at 0 in a non-empty text. With ignoreCase the case of ASCII
// letters is ignored (never in the second byte of a double-byte character).
std::optional<size_t> FindLastMatch(std::string_view text, std::string_view sought, bool ignoreCase);

// The parts of text between delimiters, at most maxParts of them. Two delimiters in a row give an
// empty part; the text after the last delimiter is a part only when it is not empty. An empty
// delimiter gives the whole (non-empty) text as the only part.
std::vector<std::string_view> SplitParts(std::string_view text, std::string_view delimiter, size_t maxParts);

}  // namespace rt::commands
