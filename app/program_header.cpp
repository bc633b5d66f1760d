// The program header: what the compiled program tells the runtime about itself.
#include "runtime/start_runtime.h"

namespace rt {

const ProgramHeader kProgramHeader{
    .runMode = 3,
    .reserved1 = 0,
    .reserved2 = 0x10268,
    .codeBase = nullptr,
    .constantData = nullptr,
    .constantDataLength = 0,
    .templateData = nullptr,
    .templateDataLength = 0,
    .libraryCount = 0,
    .libraries = nullptr,
    .dllCommandCount = 0,
    .dllLibraryNames = nullptr,
    .dllCommandNames = nullptr,
};

}  // namespace rt
