// The end of the process: the shut-down order, and ExitProgram from any thread.
#pragma once

namespace rt {

// Releases the runtime in its fixed order. On a thread other than the main thread it asks the main
// thread to shut down (and end the process) instead.
void ShutDownRuntime(int exitCode);

// Shuts down and ends the process with the code.
[[noreturn]] void ExitProgram(int exitCode);

// Destroys every live window of the template collection; set by the window layer.
void SetWindowTeardown(void (*destroyAllWindows)());
// Releases the registered pictures; set by the picture layer.
void SetPictureTeardown(void (*releaseAllPictures)());

}  // namespace rt
