// Splits through the real windows and dialogs: by count, by size past the picture's edge, after a
// resize, of the default picture, of a PNG twice, in folders with Chinese names, and a cancelled
// save dialog. Every split's pieces are checked against the source and its page byte for byte.
#include <fstream>

#include "tests/end_to_end/end_to_end_test.h"
#include "tools/automation/window_query.h"

namespace end_to_end {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 1003;
constexpr int kHeight = 751;

class Split : public EndToEndTest {};

TEST_F(Split, ByCountOfAJpegGivesItsCellsAndLeavesTheRemainderOut)
{
    const fs::path jpeg = WritePicture(L"photo.jpg", PhotoLike(kWidth, kHeight));
    const RgbPicture source = DecodeJpegFile(jpeg);
    const std::wstring out = (Folder(L"out") / L"cover").wstring();
    splitter::Splitter& p = Start();
    p.OpenPicture(jpeg.wstring());
    p.PressPreview();
    p.WaitForBoardStill(true);
    p.Split(out, false);
    // 200 × 250 cells: the last 3 columns and the last row belong to no piece.
    EXPECT_TRUE(SplitOutputIs(out, CountGrid(source, 3, 5), source, kOneJpegCoding));
    EXPECT_EQ(Stop(), 0u);
}

TEST_F(Split, BySizeReachesPastThePictureWhereTheClearedBoardShows)
{
    const RgbPicture source = PhotoLike(kWidth, kHeight);
    const fs::path bmp = WritePicture(L"photo.bmp", source);
    const std::wstring out = (Folder(L"out") / L"cover").wstring();
    splitter::Splitter& p = Start();
    p.OpenPicture(bmp.wstring());
    p.ChooseBySize();
    p.SetPieceSize(L"300", L"300");
    p.Split(out, false);
    // 4 columns and 3 rows of 300 × 300; the last column and row hold 103 and 151 pixels of the picture.
    const Grid grid = SizeGrid(source, 300, 300);
    ASSERT_EQ(grid.rows * grid.columns, 12);
    EXPECT_TRUE(SplitOutputIs(out, grid, source, kOneJpegCoding));
    EXPECT_EQ(Stop(), 0u);
}

TEST_F(Split, AResizedPictureIsCutFromItsStretchedCopy)
{
    const RgbPicture palette = PaletteLike(321, 241);
    const fs::path gif = WritePicture(L"photo.gif", palette);
    const std::wstring out = (Folder(L"out") / L"cover").wstring();
    splitter::Splitter& p = Start();
    p.OpenPicture(gif.wstring());
    p.SetCount(L"2", L"3");
    p.SetResize(true);
    p.SetResizeSize(L"642", L"482");
    p.Split(out, false);
    // Stretched to twice its size, so every pixel becomes a block of four.
    const RgbPicture stretched = Enlarged(palette, 2);
    EXPECT_TRUE(SplitOutputIs(out, CountGrid(stretched, 2, 3), stretched, kTwoJpegCodings));
    EXPECT_FALSE(fs::exists(gif.parent_path() / texts::kJpegCopy));
    EXPECT_EQ(Stop(), 0u);
}

TEST_F(Split, WithoutAPictureTheDefaultOneIsSplit)
{
    const std::wstring out = (Folder(L"out") / L"cover").wstring();
    splitter::Splitter& p = Start();
    p.Split(out, false);
    const RgbPicture source = DecodeJpegFile(DefaultPictureSource());
    ASSERT_EQ(source.width, 480);
    // 15 pieces of 96 × 120.
    EXPECT_TRUE(SplitOutputIs(out, CountGrid(source, 3, 5), source, kGrainyDrawingOneJpegCoding));
    EXPECT_EQ(Stop(), 0u);
}

TEST_F(Split, ACancelledSaveDialogWritesNothingAndTheNextSplitWorks)
{
    const RgbPicture source = PhotoLike(kWidth, kHeight);
    const fs::path bmp = WritePicture(L"photo.bmp", source);
    const fs::path out = Folder(L"out");
    splitter::Splitter& p = Start();
    p.OpenPicture(bmp.wstring());
    const std::vector<std::wstring> pictures = FolderListing(bmp.parent_path());
    const std::vector<std::wstring> program = FolderListing(programFolder());

    p.PressSplit();
    p.CancelSave();
    EXPECT_FALSE(p.FindMessageBoxWithin(1000));
    EXPECT_FALSE(IsWindowVisible(p.units().progressBar));
    EXPECT_TRUE(FolderListing(out).empty());
    EXPECT_EQ(FolderListing(bmp.parent_path()), pictures);
    EXPECT_EQ(FolderListing(programFolder()), program);

    p.SetCount(L"2", L"2");
    p.Split((out / L"cover").wstring(), false);
    EXPECT_TRUE(SplitOutputIs((out / L"cover").wstring(), CountGrid(source, 2, 2), source, kOneJpegCoding));
    EXPECT_EQ(Stop(), 0u);
}

TEST_F(Split, APngSplitTwiceGivesTheSamePiecesBothTimes)
{
    const RgbPicture source = PhotoLike(kWidth, kHeight, 1);
    const fs::path png = WritePicture(L"photo.png", source);
    const std::wstring first = (Folder(L"first") / L"cover").wstring();
    const std::wstring second = (Folder(L"second") / L"cover").wstring();
    splitter::Splitter& p = Start();
    p.OpenPicture(png.wstring());
    p.SetCount(L"2", L"2");
    p.Split(first, false);
    p.Split(second, false);
    const Grid grid = CountGrid(source, 2, 2);
    EXPECT_TRUE(SplitOutputIs(first, grid, source, kTwoJpegCodings));
    for (int n = 1; n <= 4; ++n) {
        const std::wstring piece = L"-" + std::to_wstring(n) + L".jpg";
        EXPECT_EQ(ReadAll(first + piece), ReadAll(second + piece)) << "piece " << n;
    }
    EXPECT_EQ(Stop(), 0u);
    // The JPEG copy goes with the program.
    EXPECT_FALSE(fs::exists(png.parent_path() / texts::kJpegCopy));
}

TEST_F(Split, FoldersWithChineseNamesHoldThePictureAndThePieces)
{
    const RgbPicture source = PaletteLike(kWidth, kHeight);
    const fs::path gif = Folder(L"图片 文件夹") / L"照片.gif";
    WriteGif(gif, source);
    // The page takes the name as it is, ampersand and percent sign too.
    const std::wstring out = (Folder(L"输出 目录") / L"封面 & 100%").wstring();
    splitter::Splitter& p = Start();
    p.OpenPicture(gif.wstring());
    EXPECT_EQ(p.PictureName(), gif.wstring());
    p.SetCount(L"2", L"3");
    p.Split(out, false);
    EXPECT_TRUE(SplitOutputIs(out, CountGrid(source, 2, 3), source, kOneJpegCoding));
    EXPECT_EQ(Stop(), 0u);
}

TEST_F(Split, ASecondSplitIntoTheSameNameReplacesTheFileAndRewritesThePage)
{
    const fs::path out = Folder(L"out");
    const std::wstring saveName = (out / L"cover").wstring();
    splitter::Splitter& p = Start();
    p.Split(saveName, false);
    // A file of the save name itself: the save dialog asks whether to replace it.
    std::ofstream(out / L"cover", std::ios::binary) << "earlier";
    p.SetCount(L"2", L"2");
    p.Split(saveName, false);
    const RgbPicture source = DecodeJpegFile(DefaultPictureSource());
    EXPECT_TRUE(PiecesAndPageAre(saveName, CountGrid(source, 2, 2), source, kGrainyDrawingOneJpegCoding));
    // Pieces 5 to 15 of the first split stay, with the file the dialog replaced, which no split writes.
    EXPECT_EQ(FolderListing(out).size(), 17u);
    EXPECT_EQ(Stop(), 0u);
}

}  // namespace
}  // namespace end_to_end
