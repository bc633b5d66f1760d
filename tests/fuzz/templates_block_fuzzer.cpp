// Fuzzes the template block reader: whatever it accepts, the writer must give back byte for byte,
// and the run-time collection built from it must answer every lookup without looping.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "runtime/templates/template_collection.h"
#include "runtime/templates/template_reader.h"
#include "runtime/templates/template_writer.h"

namespace {

rt::SubReturn Handler(const int32_t*, int) { return {}; }

const rt::ApplicationSub kSubs[] = {Handler, Handler, Handler, Handler, Handler, Handler, Handler, Handler};
const rt::CodeBase kCodeBase{kSubs, 8};

void WalkCollection(rt::TemplateCollection& collection)
{
    for (size_t w = 0; w < collection.windowCount(); ++w) {
        rt::WindowTemplate& window = *collection.windowAt(w);
        if (collection.findWindow(window.windowId()) == nullptr) {
            std::abort();
        }
        window.saveBackup();
        for (size_t position = 0; position < window.unitCount(); ++position) {
            const rt::UnitRecord& unit = *window.unitAt(position);
            if (window.findUnit(unit.id) != &unit || window.bindingSourcePosition(position) >= window.unitCount()) {
                std::abort();
            }
            window.isMenuItem(position);
        }
        window.restoreBackup();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::optional<rt::TemplateBlock> block = rt::ReadTemplateBlock(data, size);
    if (!block) {
        return 0;
    }
    std::vector<uint8_t> written = rt::WriteTemplateBlock(*block);
    if (written.size() != size || (size != 0 && std::memcmp(written.data(), data, size) != 0)) {
        std::abort();
    }
    std::optional<rt::TemplateCollection> collection = rt::LoadTemplateCollection(data, size, kCodeBase);
    if (collection) {
        WalkCollection(*collection);
    }
    return 0;
}
