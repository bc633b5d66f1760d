#include <cstdio>

#include "runtime/trace_output.h"

namespace rt {

void WriteTraceLine(const char* line) { std::fputs(line, stderr); }

}  // namespace rt
