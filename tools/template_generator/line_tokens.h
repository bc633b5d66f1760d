// Splitting a line of a description file into tokens: words separated by white space, and texts in
// double quotes (\" and \\ inside stand for " and \). A # outside quotes starts a comment.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace generator {

struct Token {
    std::string text;
    bool quoted = false;
};

// False, with a message, when a quoted text does not end on the line.
bool SplitLine(std::string_view line, std::vector<Token>& tokens, std::string& error);

}  // namespace generator
