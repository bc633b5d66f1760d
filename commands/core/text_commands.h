// The text commands: cutting, searching and splitting texts. Positions and counts are in bytes.
#pragma once

#include "runtime/values.h"

namespace rt::commands {

// text, count: the first or last count bytes; a count of 0 or less gives the empty text.
void LeftTextCommand(ValueTriple* result, int argCount, ValueTriple* args);
void RightTextCommand(ValueTriple* result, int argCount, ValueTriple* args);
// text, sought, [start], [ignore case]: the 1-based position of the last match, or -1. With a
// start s only the first s - 1 bytes are searched.
void FindTextReverseCommand(ValueTriple* result, int argCount, ValueTriple* args);
// text, [delimiter ","], [most parts]: an array of new texts.
void SplitTextCommand(ValueTriple* result, int argCount, ValueTriple* args);

}  // namespace rt::commands
