// Files opened by number: OpenFile hands out a file number, WriteTextToFile writes values as text at
// the file's position. The core library owns the open files and closes them at shut-down; worker
// threads use them too.
#pragma once

#include "runtime/values.h"

namespace rt::commands {

// path, [access 1..6, default 3], [sharing 1..4, default 1]: a new file number, or 0.
void OpenFileCommand(ValueTriple* result, int argCount, ValueTriple* args);
// file number, value, [more values]: true when every value was written; on a failure the position
// goes back to where the call began.
void WriteTextToFileCommand(ValueTriple* result, int argCount, ValueTriple* args);

// file number: true when it named an open file, which is closed and its number unknown from now.
void CloseFileCommand(ValueTriple* result, int argCount, ValueTriple* args);

// Closes every open file; their numbers become unknown.
void CloseAllOpenFiles();

}  // namespace rt::commands
