#include "controls/hyper_linker/hyper_linker.h"

#include "commands/core/command_args.h"
#include "commands/core/command_slots.h"
#include "controls/common/unit_method.h"
#include "controls/hyper_linker/hyper_linker_unit.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/templates/unit_kinds.h"

namespace rt::units {
namespace {

LiveUnit* CreateHyperLinker(const UnitCreateArgs& args)
{
    std::optional<HyperLinkerOptions> options = ReadOptions<HyperLinkerOptions>(args.propertyData, args.propertyLength);
    if (!options) {
        return nullptr;
    }
    return HyperLinkerUnit::Create(args, std::move(*options));
}

constexpr PropertyDescription kProperties[kLinkPropertyCount] = {
    {"Caption", PropertyType::kText},    {"LinkType", PropertyType::kInt},     {"MailAddress", PropertyType::kText},
    {"WebAddress", PropertyType::kText}, {"NormalColour", PropertyType::kInt}, {"VisitedColour", PropertyType::kInt},
    {"HoverColour", PropertyType::kInt}, {"BackColour", PropertyType::kInt},   {"Border", PropertyType::kInt},
    {"Font", PropertyType::kFont},
};

const UnitKindDescription kDescription{
    kHyperLinkerKind, "超级链接框",       "HyperLinker",     kind_flags::kRaisesEvents,
    kProperties,      kLinkPropertyCount, CreateHyperLinker, nullptr,
};

// OpenLink(link): opens the link as a click does, shown normally; the result tells whether it opened.
void OpenLinkCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    commands::CommandArgs arguments(argCount, args);
    bool opened = false;
    RunUnitMethod<HyperLinkerUnit>(arguments[0], kHyperLinkerKind,
                                   [&opened](HyperLinkerUnit& link) { opened = link.open(SW_SHOWNORMAL); });
    *result = MakeLogical(opened);
}

}  // namespace

const UnitKindDescription& HyperLinkerKind() { return kDescription; }

void RegisterHyperLinkerMethods()
{
    commands::RegisterCommandRoutine(commands::CoreCommand::kOpenLink, OpenLinkCommand);
}

}  // namespace rt::units
