// How a split cuts the picture: the grid that the counts or the piece size give, checked before
// anything is written. Windows-free.
#pragma once

#include <cstdint>

namespace app {

// More pieces than this are refused: every piece is a file of its own.
inline constexpr int32_t kMaxPieces = 1000;
// Pieces and resized pictures wider or higher than this are refused.
inline constexpr int32_t kMaxPictureSide = 16000;

enum class SplitMode { kByCount, kBySize };

// What the user asked for, as read from the edit boxes, and the picture's size in pixels.
struct SplitRequest {
    SplitMode mode;
    double rows;  // by count
    double columns;
    double pieceWidth;  // by size
    double pieceHeight;
    int32_t pictureWidth;
    int32_t pictureHeight;
};

enum class PlanProblem { kNone, kBadCount, kBadSize, kPictureTooSmall, kTooManyPieces };

// The grid: rows × columns cells in reading order. The cell of row r and column c (from 1) is
// cut at (trunc(stepX × (c − 1)), trunc(stepY × (r − 1))) with cutWidth × cutHeight, which is
// the piece's size plus the 2 pixels of the scratch board's frame.
struct SplitPlan {
    PlanProblem problem = PlanProblem::kNone;
    int32_t rows = 0;
    int32_t columns = 0;
    double stepX = 0;
    double stepY = 0;
    int32_t cutWidth = 0;
    int32_t cutHeight = 0;

    int32_t total() const { return rows * columns; }
};

SplitPlan PlanSplit(const SplitRequest& request);

struct CutRect {
    int32_t x, y, width, height;
};
CutRect CellCut(const SplitPlan& plan, int32_t row, int32_t column);

// Rounds up, treating a value within 1e-7 above a whole number as that number.
int32_t CountCeiling(double value);

// The progress bar's position after piece n of total.
int32_t ProgressAfter(int32_t piece, int32_t total);

}  // namespace app
