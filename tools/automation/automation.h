// The automation driver: drives another process's windows as a user would, for the end-to-end
// tests and the scripted run of the program. Texts are wide strings; every wait takes a timeout
// in milliseconds and gives up with null, false or nothing.
#pragma once

#include "tools/automation/file_dialog.h"
#include "tools/automation/input.h"
#include "tools/automation/message_box.h"
#include "tools/automation/process.h"
#include "tools/automation/screenshot.h"
#include "tools/automation/window_query.h"
