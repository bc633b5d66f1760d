// The split: OnSplitClicked prepares the picture and the grid, SplitWorker cuts, writes the pieces
// and the page and asks the final question, OpenPreviewThread hands the preview window to the
// window thread.
#pragma once

#include <cstdint>
#include <string>

#include "app/runtime_calls.h"
#include "app/split_plan.h"
#include "runtime/program_header.h"

namespace app {

rt::SubReturn OnSplitClicked(const int32_t* args, int argCount);
int32_t SplitWorker(int32_t parameter);
int32_t OpenPreviewThread(int32_t parameter);

// One piece: the rectangle at (x, y) of the picture, (width − 2) × (height − 2) pixels, as the
// BMP file bytes of the cell board; empty when the picture does not decode.
ByteSet CropPiece(const void* pictureBytes, int32_t x, int32_t y, int32_t width, int32_t height);

}  // namespace app
