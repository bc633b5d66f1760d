#include "commands/special_functions/special_functions_library.h"

namespace rt {

const LibraryDescription kSpecialFunctionsLibrary{"special functions", nullptr, nullptr, 0, nullptr, 0};

}  // namespace rt
