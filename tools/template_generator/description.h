// The readable description of the program's windows, as read from its text file.
//
// A window starts with "window <Symbol> <id>" and its "second_id <id>"; the units that follow,
// in unit-list order (the window's own unit first), each start with "unit <Symbol> <id> <Kind>"
// and go on with lines that describe it:
//     name "<text>"             remark "<text>"           tag "<text>"
//     rect <left> <top> <width> <height>
//     container <Symbol>        (the unit holding this one; none: the window)
//     children <Symbol>... | <Symbol>...   (| separates pages)
//     flags V D F               (visible, disabled, takes focus; any of them)
//     event <index> <Handler>   (a name from the list of application subs)
//     option <Field> <value>... (a field of the kind's options; a unit without option lines has
//                                empty property data)
// Texts are UTF-8 in double quotes. Numbers are decimal or 0x hexadecimal. # starts a comment.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/templates/template_block.h"
#include "tools/template_generator/line_tokens.h"

namespace generator {

struct OptionLine {
    int line = 0;
    std::string field;
    std::vector<Token> values;
};

struct EventLine {
    int line = 0;
    int32_t event = 0;
    std::string handler;
};

struct UnitDescription {
    int line = 0;
    std::string symbol;
    uint32_t id = 0;
    std::string kind;
    std::string name;
    std::string remark;
    std::string tag;
    rt::UnitRect rect;
    std::string container;
    std::vector<std::string> children;  // "|" stands for a page separator
    uint32_t flags = 0;
    std::vector<EventLine> events;
    std::vector<OptionLine> options;
};

struct WindowDescription {
    int line = 0;
    std::string symbol;
    uint32_t id = 0;
    uint32_t secondId = 0;
    std::vector<UnitDescription> units;
};

struct Description {
    std::vector<WindowDescription> windows;
};

// False, with "line N: ..." in error, when the text does not follow the form above.
bool ParseDescription(std::string_view text, Description& description, std::string& error);

// Parses a number as written in the description: decimal with an optional -, or 0x hexadecimal.
bool ParseNumber(std::string_view text, int64_t& value);

}  // namespace generator
