// The program header: what the compiled program tells the runtime about itself.
#include "data/constant_data.h"
#include "runtime/start_runtime.h"

namespace rt {

const ProgramHeader kProgramHeader{
    .runMode = 3,
    .reserved1 = 0,
    .reserved2 = 0x10268,
    .codeBase = nullptr,
    .constantData = &data::kConstantData,
    .constantDataLength = sizeof data::kConstantData,
    // The window templates are read once the loader that builds windows from them is in place.
    .templateData = nullptr,
    .templateDataLength = 0,
    .libraryCount = 0,
    .libraries = nullptr,
    .dllCommandCount = 0,
    .dllLibraryNames = nullptr,
    .dllCommandNames = nullptr,
};

}  // namespace rt
