// Where trace lines go: OutputDebugString on Windows, standard error elsewhere.
#pragma once

namespace rt {

void WriteTraceLine(const char* line);

}  // namespace rt
