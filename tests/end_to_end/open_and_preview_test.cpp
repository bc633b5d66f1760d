// Opening pictures through the open dialog, the preview board and its red grid, and the mode
// switches, as the main window shows them.
#include <set>

#include "tests/end_to_end/end_to_end_test.h"
#include "tools/automation/window_query.h"
#include "tools/splitter_driver/driver_error.h"

namespace end_to_end {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 1003;
constexpr int kHeight = 751;
// The board's drawing area, inside its one-pixel frame.
constexpr int kBoardWidth = 462;
constexpr int kBoardHeight = 342;

bool IsRed(const automation::Image& image, int x, int y) { return image.Pixel(x, y) == RGB(255, 0, 0); }

// Rows and columns of the board that are red along nearly all their length: the grid's lines.
std::set<int> RedRows(const automation::Image& board)
{
    std::set<int> rows;
    for (int y = 0; y < board.height; ++y) {
        int red = 0;
        for (int x = 0; x < board.width; ++x) {
            red += IsRed(board, x, y) ? 1 : 0;
        }
        if (red >= board.width * 9 / 10) {
            rows.insert(y);
        }
    }
    return rows;
}

std::set<int> RedColumns(const automation::Image& board)
{
    std::set<int> columns;
    for (int x = 0; x < board.width; ++x) {
        int red = 0;
        for (int y = 0; y < board.height; ++y) {
            red += IsRed(board, x, y) ? 1 : 0;
        }
        if (red >= board.height * 9 / 10) {
            columns.insert(x);
        }
    }
    return columns;
}

bool ShowsAnyRed(const automation::Image& board)
{
    for (int y = 0; y < board.height; ++y) {
        for (int x = 0; x < board.width; ++x) {
            if (IsRed(board, x, y)) {
                return true;
            }
        }
    }
    return false;
}

// The picture stretched to the board's width and three quarters of it: board point (x, y) shows
// the source near (x × width ÷ 464, y × height ÷ 348).
::testing::AssertionResult BoardShows(const automation::Image& board, const RgbPicture& source)
{
    constexpr int kStretchTolerance = 40;
    for (int y = 40; y < kBoardHeight; y += 100) {
        for (int x = 40; x < kBoardWidth; x += 100) {
            const uint8_t* expected = source.at(x * source.width / 464, y * source.height / 348);
            const COLORREF shown = board.Pixel(x, y);
            const int shownRgb[3] = {GetRValue(shown), GetGValue(shown), GetBValue(shown)};
            for (int c = 0; c < 3; ++c) {
                if (std::abs(shownRgb[c] - expected[c]) > kStretchTolerance) {
                    return ::testing::AssertionFailure()
                           << "the board at " << x << "," << y << " does not show the picture";
                }
            }
        }
    }
    return ::testing::AssertionSuccess();
}

class OpenAndPreview : public EndToEndTest {};

TEST_F(OpenAndPreview, EachFormatOpensThroughTheDialogAndShowsItsNameSizeAndPicture)
{
    const RgbPicture photo = PhotoLike(kWidth, kHeight);
    const RgbPicture palette = PaletteLike(kWidth, kHeight);
    const fs::path png = WritePicture(L"photo.png", photo);
    const fs::path jpeg = WritePicture(L"photo.jpg", photo);
    const fs::path bmp = WritePicture(L"photo.bmp", photo);
    const fs::path gif = WritePicture(L"photo.gif", palette);
    const fs::path copy = png.parent_path() / texts::kJpegCopy;
    splitter::Splitter& p = Start();
    ASSERT_EQ(p.CaptureBoard().width, kBoardWidth);
    ASSERT_EQ(p.CaptureBoard().height, kBoardHeight);

    p.OpenPicture(png.wstring());
    EXPECT_EQ(p.PictureName(), png.wstring());
    EXPECT_EQ(p.PictureSize(), L"1003×751");
    EXPECT_TRUE(BoardShows(p.WaitForBoardStill(false), photo));
    // The PNG picture is read through its JPEG copy beside it.
    EXPECT_EQ(DecodeJpegFile(copy).width, kWidth);

    for (const auto& [path, source] : {std::pair{jpeg, &photo}, std::pair{bmp, &photo}, std::pair{gif, &palette}}) {
        SCOPED_TRACE(path.filename().string());
        p.OpenPicture(path.wstring());
        EXPECT_EQ(p.PictureName(), path.wstring());
        EXPECT_EQ(p.PictureSize(), L"1003×751");
        EXPECT_TRUE(BoardShows(p.WaitForBoardStill(false), *source));
    }
    EXPECT_FALSE(fs::exists(copy));

    // Only a name ending in lower-case "png" goes through the copy; the picture loader reads no PNG.
    const fs::path upper = WritePicture(L"UPPER.PNG", photo);
    p.OpenPicture(upper.wstring());
    EXPECT_EQ(p.PictureSize(), L"0×0");
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_EQ(Stop(), 0u);
}

TEST_F(OpenAndPreview, ACancelledOpenDialogKeepsThePictureOpenedBefore)
{
    const RgbPicture photo = PhotoLike(kWidth, kHeight, 4);
    const fs::path png = WritePicture(L"photo.png", photo);
    splitter::Splitter& p = Start();
    p.CancelOpen();
    EXPECT_EQ(p.PictureName(), L"");
    EXPECT_EQ(p.PictureSize(), L"");

    p.OpenPicture(png.wstring());
    // The dialog's press removes the JPEG copy; the same PNG, still chosen, is read through a new one.
    p.CancelOpen();
    EXPECT_EQ(p.PictureName(), png.wstring());
    EXPECT_EQ(p.PictureSize(), L"1003×751");
    EXPECT_TRUE(fs::exists(png.parent_path() / texts::kJpegCopy));
    EXPECT_TRUE(BoardShows(p.WaitForBoardStill(false), photo));
    EXPECT_EQ(Stop(), 0u);
}

TEST_F(OpenAndPreview, TheGridByCountLiesOnTheBoardsRowsAndColumns)
{
    const fs::path jpeg = WritePicture(L"photo.jpg", PhotoLike(kWidth, kHeight));
    splitter::Splitter& p = Start();
    p.OpenPicture(jpeg.wstring());
    p.PressPreview();
    const automation::Image board = p.WaitForBoardStill(true);
    // 3 rows and 5 columns of the 464 × 344 board; the lines at 344 and 464 fall outside its area.
    EXPECT_EQ(RedRows(board), (std::set<int>{114, 229}));
    EXPECT_EQ(RedColumns(board), (std::set<int>{92, 185, 278, 371}));

    p.SetCount(L"4", L"2");
    p.PressPreview();
    const automation::Image again = p.WaitForBoardStill(true);
    EXPECT_EQ(RedRows(again), (std::set<int>{86, 172, 258}));
    EXPECT_EQ(RedColumns(again), (std::set<int>{232}));
    EXPECT_EQ(Stop(), 0u);
}

TEST_F(OpenAndPreview, TheGridBySizeStepsByThePieceSizeInBoardPixels)
{
    const fs::path bmp = WritePicture(L"photo.bmp", PhotoLike(kWidth, kHeight));
    splitter::Splitter& p = Start();
    p.OpenPicture(bmp.wstring());
    p.ChooseBySize();
    p.SetPieceSize(L"150", L"100");
    p.PressPreview();
    const automation::Image board = p.WaitForBoardStill(true);
    EXPECT_EQ(RedRows(board), (std::set<int>{100, 200, 300}));
    EXPECT_EQ(RedColumns(board), (std::set<int>{150, 300, 450}));
    EXPECT_EQ(Stop(), 0u);
}

TEST_F(OpenAndPreview, NumbersThatAreNotPositiveDrawNoGrid)
{
    const fs::path bmp = WritePicture(L"photo.bmp", PhotoLike(kWidth, kHeight));
    splitter::Splitter& p = Start();
    p.OpenPicture(bmp.wstring());
    for (const auto& [rows, columns] : {std::pair{L"0", L"5"}, std::pair{L"3", L"-2"}, std::pair{L"abc", L"5"}}) {
        SCOPED_TRACE(splitter::Utf8(std::wstring(rows) + L" x " + columns));
        p.SetCount(rows, columns);
        p.PressPreview();
        EXPECT_FALSE(ShowsAnyRed(p.WaitForBoardStill(false)));
    }
    p.SetCount(L"3", L"5");
    p.ChooseBySize();
    p.SetPieceSize(L"0", L"100");
    p.PressPreview();
    EXPECT_FALSE(ShowsAnyRed(p.WaitForBoardStill(false)));
    EXPECT_EQ(Stop(), 0u);
}

TEST_F(OpenAndPreview, ModeSwitchesOnlyOpenAndCloseTheirEditBoxes)
{
    using automation::IsEnabled;
    using automation::WindowText;
    splitter::Splitter& p = Start();
    const splitter::MainWindowUnits& u = p.units();
    auto texts = [&] {
        return std::vector<std::wstring>{WindowText(u.rowsEdit),        WindowText(u.columnsEdit),
                                         WindowText(u.pieceWidthEdit),  WindowText(u.pieceHeightEdit),
                                         WindowText(u.resizeWidthEdit), WindowText(u.resizeHeightEdit)};
    };
    const std::vector<std::wstring> atStart{L"3", L"5", L"100", L"100", L"100", L"100"};
    EXPECT_EQ(texts(), atStart);
    EXPECT_TRUE(IsEnabled(u.rowsEdit) && IsEnabled(u.columnsEdit));
    EXPECT_FALSE(IsEnabled(u.pieceWidthEdit) || IsEnabled(u.pieceHeightEdit));
    EXPECT_FALSE(IsEnabled(u.resizeWidthEdit) || IsEnabled(u.resizeHeightEdit));

    p.ChooseBySize();
    EXPECT_TRUE(IsEnabled(u.pieceWidthEdit) && IsEnabled(u.pieceHeightEdit));
    EXPECT_FALSE(IsEnabled(u.rowsEdit) || IsEnabled(u.columnsEdit));
    p.SetResize(true);
    p.SetResize(false);
    p.ChooseByCount();
    EXPECT_FALSE(IsEnabled(u.pieceWidthEdit) || IsEnabled(u.pieceHeightEdit));
    EXPECT_EQ(texts(), atStart);
    EXPECT_EQ(Stop(), 0u);
}

}  // namespace
}  // namespace end_to_end
