#include "tools/template_generator/block_builder.h"

#include <algorithm>

#include "runtime/templates/template_ids.h"
#include "runtime/templates/template_reader.h"
#include "runtime/templates/template_writer.h"
#include "tools/template_generator/gbk_text.h"
#include "tools/template_generator/option_values.h"

namespace generator {

namespace {

std::string At(int line) { return "line " + std::to_string(line) + ": "; }

bool Gbk(const std::string& utf8, std::string& gbk, int line, std::string& error)
{
    std::optional<std::string> converted = Utf8ToGbk(utf8);
    if (!converted) {
        error = At(line) + "\"" + utf8 + "\" is not a text GBK can hold";
        return false;
    }
    gbk = std::move(*converted);
    return true;
}

// Unit ids of one window by symbol.
class Symbols {
public:
    bool add(const UnitDescription& unit, std::string& error)
    {
        if (find(unit.symbol) != 0) {
            error = At(unit.line) + unit.symbol + " names two units of its window";
            return false;
        }
        entries_.emplace_back(unit.symbol, unit.id);
        return true;
    }

    uint32_t find(const std::string& symbol) const
    {
        auto it = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == symbol; });
        return it != entries_.end() ? it->second : 0;
    }

private:
    std::vector<std::pair<std::string, uint32_t>> entries_;
};

bool ResolveSymbol(const Symbols& symbols, const std::string& symbol, int line, uint32_t& id, std::string& error)
{
    id = symbols.find(symbol);
    if (id == 0) {
        error = At(line) + "no unit " + symbol + " in this window";
        return false;
    }
    return true;
}

bool BuildBindings(const UnitDescription& unit, const std::vector<std::string>& subs, rt::PlacedUnit& placed,
                   std::string& error)
{
    for (const EventLine& event : unit.events) {
        auto it = std::find(subs.begin(), subs.end(), event.handler);
        if (it == subs.end()) {
            error = At(event.line) + event.handler + " is not in the list of application subs";
            return false;
        }
        placed.bindings.push_back({event.event, static_cast<uint32_t>(it - subs.begin())});
    }
    return true;
}

bool BuildPlacement(const UnitDescription& unit, const Symbols& symbols, rt::PlacedUnit& placed, std::string& error)
{
    placed.rect = unit.rect;
    placed.flags = unit.flags;
    placed.mousePointer = {0, 0, 0, 0};
    if (!unit.container.empty() && !ResolveSymbol(symbols, unit.container, unit.line, placed.container, error)) {
        return false;
    }
    for (const std::string& child : unit.children) {
        uint32_t id = 0;
        if (child != "|" && !ResolveSymbol(symbols, child, unit.line, id, error)) {
            return false;
        }
        placed.children.push_back(id);
    }
    return Gbk(unit.tag, placed.tag, unit.line, error);
}

bool BuildUnit(const UnitDescription& unit, const Symbols& symbols, const std::vector<std::string>& subs,
               const std::filesystem::path& folder, rt::UnitRecord& record, std::string& error)
{
    const UnitKindEntry* kind = FindUnitKind(unit.kind);
    if (kind == nullptr) {
        error = At(unit.line) + "no unit kind " + unit.kind;
        return false;
    }
    record.id = unit.id;
    record.kind = kind->kind;
    rt::PlacedUnit& placed = record.body.emplace<rt::PlacedUnit>();
    if (!Gbk(unit.name, record.name, unit.line, error) || !Gbk(unit.remark, record.remark, unit.line, error) ||
        !BuildPlacement(unit, symbols, placed, error) || !BuildBindings(unit, subs, placed, error)) {
        return false;
    }
    return unit.options.empty() || kind->build(unit.options, folder, placed.propertyData, error);
}

bool BuildWindow(const WindowDescription& window, const std::vector<std::string>& subs,
                 const std::filesystem::path& folder, rt::WindowRecord& record, std::string& error)
{
    if (!rt::HasIdClass(window.secondId, rt::IdClass::kSecondId)) {
        error = At(window.line) + window.symbol + " needs a second id of class 0x19";
        return false;
    }
    record.id = window.id;
    record.secondId = window.secondId;
    Symbols symbols;
    for (const UnitDescription& unit : window.units) {
        if (!symbols.add(unit, error)) {
            return false;
        }
    }
    for (const UnitDescription& unit : window.units) {
        if (!BuildUnit(unit, symbols, subs, folder, record.units.emplace_back(), error)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool BuildTemplateBlock(const Description& description, const std::vector<std::string>& subs,
                        const std::filesystem::path& folder, rt::TemplateBlock& block, std::string& error)
{
    for (size_t i = 0; i < description.windows.size(); ++i) {
        const WindowDescription& window = description.windows[i];
        for (size_t earlier = 0; earlier < i; ++earlier) {
            if (description.windows[earlier].symbol == window.symbol) {
                error = At(window.line) + window.symbol + " names two windows";
                return false;
            }
        }
        if (!BuildWindow(window, subs, folder, block.windows.emplace_back(), error)) {
            return false;
        }
    }
    return true;
}

bool WriteCheckedBlock(const rt::TemplateBlock& block, std::vector<uint8_t>& bytes, std::string& error)
{
    bytes = rt::WriteTemplateBlock(block);
    std::optional<rt::TemplateBlock> read = rt::ReadTemplateBlock(bytes.data(), bytes.size());
    if (!read) {
        error = "the runtime would refuse the block (check ids, containers and children)";
        return false;
    }
    if (rt::WriteTemplateBlock(*read) != bytes) {
        error = "the block does not read back as written";
        return false;
    }
    return true;
}

}  // namespace generator
