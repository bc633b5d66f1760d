// The whole-file commands. Paths are GBK texts.
#pragma once

#include "runtime/values.h"

namespace rt::commands {

// path: true when the file was deleted.
void DeleteFileCommand(ValueTriple* result, int argCount, ValueTriple* args);
// The program's folder without a trailing backslash.
void RunDirectoryCommand(ValueTriple* result, int argCount, ValueTriple* args);
// path: true when a find-first search matches anything (folders count, wildcards match).
void FileExistsCommand(ValueTriple* result, int argCount, ValueTriple* args);
// path, byte set, [more byte sets]: creates or truncates the file and writes the byte sets in
// order; true when the file opened and every write succeeded.
void WriteFileCommand(ValueTriple* result, int argCount, ValueTriple* args);
// path: the file's bytes, or the empty byte set when it cannot be read.
void ReadFileCommand(ValueTriple* result, int argCount, ValueTriple* args);

}  // namespace rt::commands
