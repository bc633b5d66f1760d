#include "runtime/program_templates.h"

#include "runtime/window/window_layer.h"
#include "runtime/window/window_unit.h"

namespace rt {

TemplateCollection& ProgramTemplates()
{
    static TemplateCollection collection;
    return collection;
}

bool ReadProgramTemplates(const ProgramHeader& header)
{
    StartWindowLayer();
    if (header.templateDataLength == 0) {
        ProgramTemplates() = TemplateCollection();
        return true;
    }
    static const CodeBase kNoCode{nullptr, 0};
    std::optional<TemplateCollection> collection = LoadTemplateCollection(
        header.templateData, header.templateDataLength, header.codeBase ? *header.codeBase : kNoCode);
    if (!collection) {
        return false;
    }
    ProgramTemplates() = std::move(*collection);
    return true;
}

bool AnyTemplateWindowAlive()
{
    TemplateCollection& templates = ProgramTemplates();
    for (size_t i = 0; i < templates.windowCount(); ++i) {
        if (LiveWindowOf(*templates.windowAt(i))) {
            return true;
        }
    }
    return false;
}

}  // namespace rt
