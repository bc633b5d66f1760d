// The split: OnSplitClicked prepares the picture and the grid, SplitWorker cuts, writes the pieces
// and the page and asks the final question, OpenPreviewThread hands the preview window to the
// window thread.
#pragma once

#include <cstdint>
#include <string>

#include "app/runtime_calls.h"
#include "app/split_plan.h"
#include "pictures/decoding/picture_list.h"
#include "runtime/program_header.h"

namespace app {

rt::SubReturn OnSplitClicked(const int32_t* args, int argCount);
int32_t SplitWorker(int32_t parameter);
int32_t OpenPreviewThread(int32_t parameter);

// One piece: the rectangle at (x, y) of the picture, (width − 2) × (height − 2) pixels, as the
// BMP file bytes of the cell board; empty when the picture does not decode.
ByteSet CropPiece(const void* pictureBytes, int32_t x, int32_t y, int32_t width, int32_t height);

// What the worker splits: its own copy of the picture's bytes and a hold on the picture decoded
// from them, so that opening or previewing another picture meanwhile changes nothing, and the grid
// checked before it started.
struct SplitJob {
    ByteSet pictureBytes;
    pictures::PictureRef picture;
    SplitPlan plan;
    SplitMode mode = SplitMode::kByCount;
};

// The job for a picture handle and the bytes it was loaded from.
SplitJob MakeSplitJob(const void* pictureBytes, int32_t picture, const SplitPlan& plan, SplitMode mode);

// How the pieces are made: from the picture's pixels where that gives the boards' files (else
// through the boards), or through the scratch boards piece by piece, each step as the split was
// first written.
enum class PieceRoute { kPixels, kBoards };

// The page and every piece in reading order, under the save dialog's name; false, after telling
// the user which file failed, when one could not be written. Worker thread.
bool WritePiecesAndPage(const SplitJob& job, const std::string& saveName, PieceRoute route);

}  // namespace app
