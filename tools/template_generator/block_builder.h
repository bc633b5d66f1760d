// The template block from the description: unit symbols become ids, handler names become sub
// offsets (their index in the list of application subs), texts become GBK, option lines become
// property data. Every unit's mouse pointer is the default cursor, stored as 4 zero bytes.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "runtime/templates/template_block.h"
#include "tools/template_generator/description.h"

namespace generator {

// False, with a message, when the description names something that does not exist or says a
// thing twice. folder holds the files that option values name.
bool BuildTemplateBlock(const Description& description, const std::vector<std::string>& subs,
                        const std::filesystem::path& folder, rt::TemplateBlock& block, std::string& error);

// Writes the block and reads it back as the runtime will: false, with a message, when the runtime
// would refuse it or reading it back gives other bytes.
bool WriteCheckedBlock(const rt::TemplateBlock& block, std::vector<uint8_t>& bytes, std::string& error);

}  // namespace generator
