// The split-picture preview window: opened on the window thread by the main window's feedback
// event after a split, it fills the screen with a view of the page just written.
#pragma once

#include <cstdint>

#include "runtime/program_header.h"

namespace app {

rt::SubReturn OnSplitDoneFeedback(const int32_t* args, int argCount);
rt::SubReturn OnPreviewWindowCreated(const int32_t* args, int argCount);
rt::SubReturn OnPreviewWindowDestroyed(const int32_t* args, int argCount);

}  // namespace app
