#include "runtime/program_templates.h"

#include "runtime/runtime_error.h"
#include "runtime/unit_access.h"

namespace rt {

bool ReadProgramTemplates(const ProgramHeader& header) { return header.templateDataLength == 0; }

bool AnyTemplateWindowAlive() { return false; }

int64_t ReadProperty(uint32_t, uint32_t, int, int) { ReportRuntimeError(messages::kWindowNotLoadedForUnit, 0); }

void WriteProperty(uint32_t, uint32_t, int, int, uintptr_t, uint32_t)
{
    ReportRuntimeError(messages::kWindowNotLoadedForUnit, 0);
}

void LoadStartWindow(uint32_t) { ReportRuntimeError(messages::kStartWindowFailed, 0); }

}  // namespace rt
