#include "runtime/templates/template_bindings.h"

namespace rt {

namespace {

bool Resolve(uint32_t subOffset, const CodeBase& codeBase, const ApplicationSub*& handler)
{
    if (subOffset == kNoSubOffset) {
        handler = nullptr;
        return true;
    }
    if (subOffset >= codeBase.count) {
        return false;
    }
    handler = &codeBase.subs[subOffset];
    return true;
}

bool ResolveUnit(UnitRecord& unit, const CodeBase& codeBase)
{
    if (unit.isMenuItem()) {
        MenuItem& item = unit.menuItem();
        return Resolve(item.clickSubOffset, codeBase, item.clickHandler);
    }
    for (EventBinding& binding : unit.placed().bindings) {
        if (!Resolve(binding.subOffset, codeBase, binding.handler)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool ResolveBindings(TemplateBlock& block, const CodeBase& codeBase)
{
    for (WindowRecord& window : block.windows) {
        for (UnitRecord& unit : window.units) {
            if (!ResolveUnit(unit, codeBase)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace rt
