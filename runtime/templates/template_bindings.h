// Resolving the event bindings of a template block against the application's code base.
#pragma once

#include "runtime/program_header.h"
#include "runtime/templates/template_block.h"

namespace rt {

// Sets every binding's handler (and every menu item's click handler): no handler for offset
// 0xffffffff, else the code-base entry at that offset. False, leaving the block partly resolved,
// when an offset lies past the end of the code base: the block does not belong to this program.
bool ResolveBindings(TemplateBlock& block, const CodeBase& codeBase);

}  // namespace rt
