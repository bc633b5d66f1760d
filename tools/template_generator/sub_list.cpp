#include "tools/template_generator/sub_list.h"

#include <algorithm>

#include "tools/template_generator/line_tokens.h"

namespace generator {

bool ParseSubList(std::string_view text, std::vector<std::string>& names, std::string& error)
{
    int number = 0;
    while (!text.empty()) {
        ++number;
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        std::vector<Token> tokens;
        std::string problem;
        if (!SplitLine(line, tokens, problem)) {
            error = "line " + std::to_string(number) + ": " + problem;
            return false;
        }
        if (tokens.empty()) {
            continue;
        }
        if (tokens.size() != 1 || tokens[0].quoted) {
            error = "line " + std::to_string(number) + ": expected one sub name";
            return false;
        }
        if (std::find(names.begin(), names.end(), tokens[0].text) != names.end()) {
            error = "line " + std::to_string(number) + ": " + tokens[0].text + " is listed twice";
            return false;
        }
        names.push_back(tokens[0].text);
    }
    return true;
}

}  // namespace generator
