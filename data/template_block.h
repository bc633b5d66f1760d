// The program's window template block, generated at build time from data/windows.txt. The ids of
// its windows and units, and the order of the application's code base, are in the generated
// data/program_windows.h.
#pragma once

#include <cstdint>

namespace data {

extern const unsigned char kTemplateBlock[];
extern const uint32_t kTemplateBlockLength;

}  // namespace data
