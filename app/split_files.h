// The files of a running split that are not finished, and the threads that make them, so that the
// program ending in the middle of a split (its main window closed, the user logging off) leaves
// only complete files: every piece under its name is a whole JPEG, the page is whole or gone.
//
// The split worker writes its files only through WriteSplitFiles, one step at a time under one
// lock; the program's exit routine takes the same lock, so it never removes a file that a step is
// writing, and no step runs once the program is ending. A step must not wait for the window
// thread (unit properties and methods do; file commands do not).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace app {

// From inside a step: the split's page is open, and until SplitPageDone an ending program closes
// and removes it.
void SplitPageOpened(int32_t file, const std::string& path);
void SplitPageDone();

// From inside a step: what stops the split's own threads and removes the pieces they have not
// handed over; set while they run, cleared with an empty function.
void SetSplitStopper(std::function<void()> stop);

// Runs a step that writes the split's files. When the program is ending the step does not run and
// the calling worker waits for the process to end around it: it writes nothing more and tells
// nothing.
void WriteSplitFiles(const std::function<void()>& step);

// The calling worker waits for the process to end when the program is ending; returns otherwise.
void StopIfProgramEnding();

// For the program's exit routine (window thread): stops the split's threads, waits for the step
// that is running, and removes an unfinished page. Later steps of the worker never run.
void EndSplitForExit();

}  // namespace app
