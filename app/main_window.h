// The main window's handlers and the threads they start, other than the split's.
#pragma once

#include <cstdint>

#include "runtime/program_header.h"

namespace app {

rt::SubReturn OnMainWindowCreated(const int32_t* args, int argCount);
rt::SubReturn OnMainWindowDestroyed(const int32_t* args, int argCount);
rt::SubReturn OnOpenClicked(const int32_t* args, int argCount);
rt::SubReturn OnPreviewClicked(const int32_t* args, int argCount);
rt::SubReturn OnSplitByCountChosen(const int32_t* args, int argCount);
rt::SubReturn OnSplitBySizeChosen(const int32_t* args, int argCount);
rt::SubReturn OnResizeToggled(const int32_t* args, int argCount);
rt::SubReturn OnLink1Pressed(const int32_t* args, int argCount);
rt::SubReturn OnLink2Pressed(const int32_t* args, int argCount);
rt::SubReturn OnLink3Pressed(const int32_t* args, int argCount);

int32_t PreviewGridThread(int32_t parameter);

}  // namespace app
