// The C++ sources written for the program: the block as a byte array (data/template_block.h
// declares it), and a header with the window and unit ids by symbol and the application subs'
// entry indices, so that the application's code base table follows the same order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/template_generator/description.h"

namespace generator {

std::string BlockSource(const std::vector<uint8_t>& bytes);
std::string ProgramWindowsHeader(const Description& description, const std::vector<std::string>& subs);

}  // namespace generator
