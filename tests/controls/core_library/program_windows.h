// The program's own windows in a test process: the window layer with every unit kind the program
// uses, the program's template block, and a code base of handlers that do nothing.
#pragma once

namespace program_windows {

// Once per test program.
void Start();

}  // namespace program_windows
