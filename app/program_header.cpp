// The program header: what the compiled program tells the runtime about itself.
#include <iterator>

#include "app/code_base.h"
#include "commands/internet/internet_library.h"
#include "commands/shell/shell_library.h"
#include "commands/extra_functions/extra_functions_library.h"
#include "commands/thread/thread_library.h"
#include "commands/xp_style/xp_style_library.h"
#include "controls/html_viewer/html_view_library.h"
#include "controls/core_library/core_library.h"
#include "data/constant_data.h"
#include "data/program_libraries.h"
#include "data/template_block.h"
#include "pictures/conversion/conversion_library.h"
#include "runtime/start_runtime.h"

namespace rt {
namespace {

// In library-number order (data/program_libraries.h).
const LibraryDescription* const kLibraries[] = {
    &rt::units::kCoreLibrary,           &rt::commands::kThreadLibrary,
    &pictures::kImageConversionLibrary, &rt::commands::kXpStyleLibrary,
    &rt::commands::kShellLibrary,       &rt::units::kHtmlViewLibrary,
    &rt::commands::kInternetLibrary,    &rt::commands::kExtraFunctionsLibrary,
};
static_assert(std::size(kLibraries) == data::kLibraryCount);

}  // namespace

const ProgramHeader kProgramHeader{
    .runMode = 3,
    .reserved1 = 0,
    .reserved2 = 0x10268,
    .codeBase = &app::kCodeBase,
    .constantData = &data::kConstantData,
    .constantDataLength = sizeof data::kConstantData,
    .templateData = data::kTemplateBlock,
    .templateDataLength = data::kTemplateBlockLength,
    .libraryCount = data::kLibraryCount,
    .libraries = kLibraries,
    .dllCommandCount = 0,
    .dllLibraryNames = nullptr,
    .dllCommandNames = nullptr,
};

}  // namespace rt
