#include "tests/controls/core_library/program_windows.h"

#include <optional>

#include "controls/html_viewer/html_view_library.h"
#include "controls/core_library/core_library.h"
#include "data/program_windows.h"
#include "data/template_block.h"
#include "runtime/program_templates.h"
#include "runtime/templates/template_collection.h"
#include "runtime/window/unit_kind_registry.h"
#include "tests/runtime/window/window_test_support.h"

namespace program_windows {
namespace {

rt::SubReturn DoNothing(const int32_t*, int) { return {}; }

const rt::ApplicationSub kSubs[data::subs::kCount] = {
    DoNothing, DoNothing, DoNothing, DoNothing, DoNothing, DoNothing, DoNothing,
    DoNothing, DoNothing, DoNothing, DoNothing, DoNothing, DoNothing, DoNothing,
};
const rt::CodeBase kCodeBase{kSubs, data::subs::kCount};

void RegisterKinds(const rt::LibraryDescription& library)
{
    for (uint32_t i = 0; i < library.unitKindCount; ++i) {
        rt::RegisterUnitKind(*library.unitKinds[i]);
    }
}

}  // namespace

void Start()
{
    window_test::StartWindowLayerForTests();
    rt::units::kCoreLibrary.notify(rt::kNotifyStarted, 0, 0);
    RegisterKinds(rt::units::kCoreLibrary);
    RegisterKinds(rt::units::kHtmlViewLibrary);
    std::optional<rt::TemplateCollection> collection =
        rt::LoadTemplateCollection(data::kTemplateBlock, data::kTemplateBlockLength, kCodeBase);
    if (collection) {
        rt::ProgramTemplates() = std::move(*collection);
    }
}

}  // namespace program_windows
