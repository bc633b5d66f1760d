#include "commands/extra_functions/extra_functions_library.h"

namespace rt::commands {

const LibraryDescription kExtraFunctionsLibrary{"extra functions", nullptr, nullptr, 0, nullptr, 0};

}  // namespace rt::commands
