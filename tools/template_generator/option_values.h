// Property data from a unit's option lines: each line sets one field of the kind's options, by
// the field's name in the kind's layout; the rest keep the kind's defaults. Values: numbers for
// integers, colours and logical fields (0 or 1); quoted UTF-8 texts, stored as GBK; for byte
// fields "none" or file:<name> (a file beside the description); for fonts "none" or pairs of
// member and value (Height -12 Weight 400 Underline 1 CharSet 134 FaceName "宋体"), unnamed
// members 0.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/template_generator/description.h"

namespace generator {

struct UnitKindEntry {
    const char* name;
    uint32_t kind;
    // The kind's property data from option lines; false, with a message, for a line it cannot take.
    bool (*build)(const std::vector<OptionLine>& lines, const std::filesystem::path& folder, std::vector<uint8_t>& data,
                  std::string& error);
};

// The entry of a kind by its name (Window, EditBox, ... HtmlViewer), or null.
const UnitKindEntry* FindUnitKind(const std::string& name);

}  // namespace generator
