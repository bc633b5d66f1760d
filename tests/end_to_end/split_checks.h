// What a finished split must have left in its output folder: exactly its pieces and its page, each
// piece of its size holding the same rectangle of the source picture, and the page byte for byte.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "tests/end_to_end/test_pictures.h"

namespace end_to_end {

// The grid a split cuts: piece (row r, column c) from 1 holds the source's rectangle at
// (stepX × (c − 1), stepY × (r − 1)) of pieceWidth × pieceHeight; what lies beyond the source is
// the cleared board's colour.
struct Grid {
    int rows;
    int columns;
    int stepX;
    int stepY;
    int pieceWidth;
    int pieceHeight;
};

Grid CountGrid(const RgbPicture& source, int rows, int columns);
Grid SizeGrid(const RgbPicture& source, int pieceWidth, int pieceHeight);

// How far a piece may stray from the source: JPEG coding at quality 100 changes a few levels.
struct Tolerance {
    double mean;  // mean of every sample's difference
    int largest;  // largest difference of any sample
};
inline constexpr Tolerance kOneJpegCoding{0.8, 8};
// The source itself was a JPEG copy made at quality 100 before the pieces were cut.
inline constexpr Tolerance kTwoJpegCodings{1.0, 10};
// A drawing with sharp colour edges and coloured grain (the default picture) loses more: JPEG keeps
// one colour sample per 2 × 2 pixels. Its pieces coded so by another encoder differ by up to 3.3 on
// average and 46 at most.
inline constexpr Tolerance kGrainyDrawingOneJpegCoding{3.5, 50};

// Each of the grid's pieces of saveName has its size and lies within the tolerance of its
// rectangle, and the page in its folder is the one for these pieces.
::testing::AssertionResult PiecesAndPageAre(const std::wstring& saveName, const Grid& grid, const RgbPicture& source,
                                            Tolerance tolerance);
// The same, and the folder holds nothing else.
::testing::AssertionResult SplitOutputIs(const std::wstring& saveName, const Grid& grid, const RgbPicture& source,
                                         Tolerance tolerance);

// The page the program writes for the grid's pieces named after saveName, as GBK bytes.
std::string ExpectedPage(const std::wstring& saveName, const Grid& grid);

std::string ReadAll(const std::filesystem::path& path);
// The file names in a folder, sorted.
std::vector<std::wstring> FolderListing(const std::filesystem::path& folder);

}  // namespace end_to_end
