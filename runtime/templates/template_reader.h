// Reading the window template block stored in the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "runtime/templates/template_block.h"

namespace rt {

// The block's windows and units, or nullopt when the bytes are not a well-formed block.
std::optional<TemplateBlock> ReadTemplateBlock(const uint8_t* data, size_t size);

}  // namespace rt
