#include "tools/template_generator/line_tokens.h"

#include <cctype>

namespace generator {

namespace {

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// Reads the quoted text that starts at line[i] (the opening quote); i ends after the closing one.
bool ReadQuoted(std::string_view line, size_t& i, std::string& text, std::string& error)
{
    for (++i; i < line.size(); ++i) {
        char c = line[i];
        if (c == '"') {
            ++i;
            return true;
        }
        if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
            c = line[++i];
        }
        text.push_back(c);
    }
    error = "a quoted text does not end";
    return false;
}

}  // namespace

bool SplitLine(std::string_view line, std::vector<Token>& tokens, std::string& error)
{
    tokens.clear();
    size_t i = 0;
    while (true) {
        while (i < line.size() && IsSpace(line[i])) {
            ++i;
        }
        if (i == line.size() || line[i] == '#') {
            return true;
        }
        Token token;
        if (line[i] == '"') {
            token.quoted = true;
            if (!ReadQuoted(line, i, token.text, error)) {
                return false;
            }
        } else {
            while (i < line.size() && !IsSpace(line[i])) {
                token.text.push_back(line[i++]);
            }
        }
        tokens.push_back(std::move(token));
    }
}

}  // namespace generator
