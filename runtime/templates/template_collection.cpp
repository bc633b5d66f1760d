#include "runtime/templates/template_collection.h"

#include "runtime/templates/template_bindings.h"
#include "runtime/templates/template_reader.h"

namespace rt {

WindowTemplate::WindowTemplate(uint32_t windowId, std::vector<UnitRecord> units)
    : windowId_(windowId), units_(std::move(units)), liveSlots_(units_.size())
{
}

UnitRecord* WindowTemplate::unitAt(size_t position) { return position < units_.size() ? &units_[position] : nullptr; }

UnitRecord* WindowTemplate::findUnit(uint32_t unitId)
{
    std::optional<size_t> position = findUnitPosition(unitId);
    return position ? &units_[*position] : nullptr;
}

std::optional<size_t> WindowTemplate::findUnitPosition(uint32_t unitId) const
{
    for (size_t position = 0; position < units_.size(); ++position) {
        if (units_[position].id == unitId) {
            return position;
        }
    }
    return std::nullopt;
}

bool WindowTemplate::isMenuItem(size_t position) const
{
    return position < units_.size() && units_[position].isMenuItem();
}

size_t WindowTemplate::bindingSourcePosition(size_t position) const
{
    // A block that was read has no loops; the step limit keeps any other list from hanging here.
    for (size_t steps = 0; steps < units_.size() && position < units_.size(); ++steps) {
        const UnitRecord& unit = units_[position];
        std::optional<size_t> source = unit.eventSource != 0 ? findUnitPosition(unit.eventSource) : std::nullopt;
        if (!source || *source == position || units_[*source].kind != unit.kind) {
            break;
        }
        position = *source;
    }
    return position;
}

LiveUnitSlots* WindowTemplate::liveSlots(size_t position)
{
    return position < liveSlots_.size() ? &liveSlots_[position] : nullptr;
}

void WindowTemplate::saveBackup() { backup_ = units_; }

void WindowTemplate::restoreBackup()
{
    if (backup_) {
        units_ = std::move(*backup_);
        backup_.reset();
    }
    liveSlots_.assign(units_.size(), LiveUnitSlots{});
    windowObject_ = nullptr;
}

TemplateCollection::TemplateCollection(TemplateBlock block)
{
    windows_.reserve(block.windows.size());
    for (WindowRecord& window : block.windows) {
        windows_.emplace_back(window.id, std::move(window.units));
    }
}

WindowTemplate* TemplateCollection::windowAt(size_t position)
{
    return position < windows_.size() ? &windows_[position] : nullptr;
}

WindowTemplate* TemplateCollection::findWindow(uint32_t windowId)
{
    for (WindowTemplate& window : windows_) {
        if (window.windowId() == windowId) {
            return &window;
        }
    }
    return nullptr;
}

std::optional<TemplateCollection> LoadTemplateCollection(const uint8_t* data, size_t size, const CodeBase& codeBase)
{
    std::optional<TemplateBlock> block = ReadTemplateBlock(data, size);
    if (!block || !ResolveBindings(*block, codeBase)) {
        return std::nullopt;
    }
    return TemplateCollection(std::move(*block));
}

}  // namespace rt
