// Writing a template block in the stored format; a block that ReadTemplateBlock accepted comes
// back byte for byte.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/templates/template_block.h"

namespace rt {

std::vector<uint8_t> WriteTemplateBlock(const TemplateBlock& block);

}  // namespace rt
