#include "commands/special_functions/special_functions_library.h"

namespace rt::commands {

const LibraryDescription kSpecialFunctionsLibrary{"special functions", nullptr, nullptr, 0, nullptr, 0};

}  // namespace rt::commands
