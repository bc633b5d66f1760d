#include "tools/template_generator/description.h"

#include <cctype>
#include <charconv>
#include <limits>

namespace generator {

namespace {

bool IsSymbol(std::string_view text)
{
    if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0]))) {
        return false;
    }
    for (char c : text) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

bool ParseId(const Token& token, uint32_t& id)
{
    int64_t value = 0;
    if (token.quoted || !ParseNumber(token.text, value) || value < 0 || value > 0xffffffff) {
        return false;
    }
    id = static_cast<uint32_t>(value);
    return true;
}

bool ParseInt32(const Token& token, int32_t& result)
{
    int64_t value = 0;
    if (token.quoted || !ParseNumber(token.text, value) || value < std::numeric_limits<int32_t>::min() ||
        value > std::numeric_limits<int32_t>::max()) {
        return false;
    }
    result = static_cast<int32_t>(value);
    return true;
}

// Reads the lines of one description file, keeping the window and unit they belong to.
class Parser {
public:
    explicit Parser(Description& description) : description_(description) {}

    bool line(int number, const std::vector<Token>& tokens, std::string& error)
    {
        const std::string& keyword = tokens[0].text;
        if (tokens[0].quoted) {
            error = "a line starts with a keyword, not a text";
            return false;
        }
        if (keyword == "window") {
            return window(number, tokens, error);
        }
        if (keyword == "second_id") {
            return secondId(tokens, error);
        }
        if (keyword == "unit") {
            return unit(number, tokens, error);
        }
        if (!unit_) {
            error = "\"" + keyword + "\" outside a unit";
            return false;
        }
        return unitLine(number, tokens, error);
    }

private:
    bool window(int number, const std::vector<Token>& tokens, std::string& error)
    {
        WindowDescription window;
        window.line = number;
        if (tokens.size() != 3 || !IsSymbol(tokens[1].text) || !ParseId(tokens[2], window.id)) {
            error = "expected: window <Symbol> <id>";
            return false;
        }
        window.symbol = tokens[1].text;
        description_.windows.push_back(std::move(window));
        unit_ = nullptr;
        return true;
    }

    bool secondId(const std::vector<Token>& tokens, std::string& error)
    {
        if (description_.windows.empty() || unit_ != nullptr) {
            error = "second_id belongs right after its window";
            return false;
        }
        if (tokens.size() != 2 || !ParseId(tokens[1], description_.windows.back().secondId)) {
            error = "expected: second_id <id>";
            return false;
        }
        return true;
    }

    bool unit(int number, const std::vector<Token>& tokens, std::string& error)
    {
        if (description_.windows.empty()) {
            error = "a unit before any window";
            return false;
        }
        UnitDescription unit;
        unit.line = number;
        if (tokens.size() != 4 || !IsSymbol(tokens[1].text) || !ParseId(tokens[2], unit.id) || tokens[3].quoted) {
            error = "expected: unit <Symbol> <id> <Kind>";
            return false;
        }
        unit.symbol = tokens[1].text;
        unit.kind = tokens[3].text;
        unit_ = &description_.windows.back().units.emplace_back(std::move(unit));
        return true;
    }

    bool unitLine(int number, const std::vector<Token>& tokens, std::string& error)
    {
        const std::string& keyword = tokens[0].text;
        if (keyword == "name" || keyword == "remark" || keyword == "tag") {
            return text(tokens,
                        keyword == "name"     ? unit_->name
                        : keyword == "remark" ? unit_->remark
                                              : unit_->tag,
                        error);
        }
        if (keyword == "rect") {
            return rect(tokens, error);
        }
        if (keyword == "container") {
            return container(tokens, error);
        }
        if (keyword == "children") {
            return children(tokens, error);
        }
        if (keyword == "flags") {
            return flags(tokens, error);
        }
        if (keyword == "event") {
            return event(number, tokens, error);
        }
        if (keyword == "option") {
            return option(number, tokens, error);
        }
        error = "unknown keyword \"" + keyword + "\"";
        return false;
    }

    bool text(const std::vector<Token>& tokens, std::string& value, std::string& error)
    {
        if (tokens.size() != 2 || !tokens[1].quoted) {
            error = "expected: " + tokens[0].text + " \"<text>\"";
            return false;
        }
        value = tokens[1].text;
        return true;
    }

    bool rect(const std::vector<Token>& tokens, std::string& error)
    {
        rt::UnitRect& r = unit_->rect;
        if (tokens.size() != 5 || !ParseInt32(tokens[1], r.left) || !ParseInt32(tokens[2], r.top) ||
            !ParseInt32(tokens[3], r.width) || !ParseInt32(tokens[4], r.height)) {
            error = "expected: rect <left> <top> <width> <height>";
            return false;
        }
        return true;
    }

    bool container(const std::vector<Token>& tokens, std::string& error)
    {
        if (tokens.size() != 2 || !IsSymbol(tokens[1].text)) {
            error = "expected: container <Symbol>";
            return false;
        }
        unit_->container = tokens[1].text;
        return true;
    }

    bool children(const std::vector<Token>& tokens, std::string& error)
    {
        for (size_t i = 1; i < tokens.size(); ++i) {
            if (tokens[i].text != "|" && !IsSymbol(tokens[i].text)) {
                error = "children are unit symbols and | between pages";
                return false;
            }
            unit_->children.push_back(tokens[i].text);
        }
        return true;
    }

    bool flags(const std::vector<Token>& tokens, std::string& error)
    {
        for (size_t i = 1; i < tokens.size(); ++i) {
            const std::string& flag = tokens[i].text;
            uint32_t bit = flag == "V"   ? rt::kUnitVisible
                           : flag == "D" ? rt::kUnitDisabled
                           : flag == "F" ? rt::kUnitTakesFocus
                                         : 0;
            if (bit == 0) {
                error = "flags are V, D and F";
                return false;
            }
            unit_->flags |= bit;
        }
        return true;
    }

    bool event(int number, const std::vector<Token>& tokens, std::string& error)
    {
        EventLine event;
        event.line = number;
        if (tokens.size() != 3 || !ParseInt32(tokens[1], event.event) || !IsSymbol(tokens[2].text)) {
            error = "expected: event <index> <Handler>";
            return false;
        }
        event.handler = tokens[2].text;
        unit_->events.push_back(std::move(event));
        return true;
    }

    bool option(int number, const std::vector<Token>& tokens, std::string& error)
    {
        if (tokens.size() < 3 || !IsSymbol(tokens[1].text)) {
            error = "expected: option <Field> <value>";
            return false;
        }
        OptionLine option;
        option.line = number;
        option.field = tokens[1].text;
        option.values.assign(tokens.begin() + 2, tokens.end());
        unit_->options.push_back(std::move(option));
        return true;
    }

    Description& description_;
    UnitDescription* unit_ = nullptr;
};

}  // namespace

bool ParseNumber(std::string_view text, int64_t& value)
{
    bool negative = !text.empty() && text[0] == '-';
    std::string_view digits = negative ? text.substr(1) : text;
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.remove_prefix(2);
    }
    uint64_t magnitude = 0;
    auto [end, problem] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
    if (digits.empty() || problem != std::errc{} || end != digits.data() + digits.size() || magnitude > 0xffffffffu) {
        return false;
    }
    value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

bool ParseDescription(std::string_view text, Description& description, std::string& error)
{
    Parser parser(description);
    int number = 0;
    while (!text.empty()) {
        ++number;
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        std::vector<Token> tokens;
        std::string problem;
        if (!SplitLine(line, tokens, problem) || (!tokens.empty() && !parser.line(number, tokens, problem))) {
            error = "line " + std::to_string(number) + ": " + problem;
            return false;
        }
    }
    return true;
}

}  // namespace generator
