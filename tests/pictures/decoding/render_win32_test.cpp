#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "fixtures.h"
#include "pictures/decoding/picture_decode.h"
#include "pictures/decoding/picture_render.h"
#include "runtime/win32/owned_handles.h"

namespace pictures {
namespace {

using testing::PictureRgb;
using testing::ReadFixture;
using testing::ReadReference;
using testing::RgbImage;
using testing::SameImage;

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP b{};
    GetObjectW(bitmap, sizeof b, &b);
    return {b.bmWidth, b.bmHeight};
}

// The bitmap's pixels through GetDIBits as 32-bit rows top-down.
RgbImage BitmapRgb(HBITMAP bitmap)
{
    SIZE size = BitmapSize(bitmap);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint8_t> bgra(static_cast<size_t>(size.cx) * size.cy * 4);
    rt::ScreenDc screen;
    EXPECT_EQ(GetDIBits(screen.get(), bitmap, 0, size.cy, bgra.data(), &info, DIB_RGB_COLORS), size.cy);
    RgbImage image{size.cx, size.cy, {}};
    for (size_t i = 0; i < bgra.size(); i += 4) image.rgb.insert(image.rgb.end(), {bgra[i + 2], bgra[i + 1], bgra[i]});
    return image;
}

rt::UniqueBitmap FixtureBitmap(const std::string& name)
{
    std::vector<uint8_t> data = ReadFixture(name);
    return PictureToBitmap(data.data(), static_cast<std::ptrdiff_t>(data.size()));
}

OwnedPicture FixturePicture(const std::string& name)
{
    std::vector<uint8_t> data = ReadFixture(name);
    return DecodePictureBytes(data.data(), static_cast<std::ptrdiff_t>(data.size()));
}

// A memory context holding a screen-compatible bitmap, as a drawing board's off-screen bitmap is.
class Board {
public:
    Board(int width, int height, COLORREF fill)
        : bitmap_(CreateCompatibleBitmap(screen_.get(), width, height)),
          dc_(screen_.get()),
          selection_(std::make_unique<rt::ScopedSelection>(dc_.get(), bitmap_.get()))
    {
        RECT all{0, 0, width, height};
        rt::UniqueBrush brush(CreateSolidBrush(fill));
        FillRect(dc_.get(), &all, brush.get());
    }
    HDC dc() const { return dc_.get(); }
    // The pixels, once drawing is over (the bitmap leaves the context).
    RgbImage Pixels()
    {
        selection_.reset();
        return BitmapRgb(bitmap_.get());
    }

private:
    rt::ScreenDc screen_;
    rt::UniqueBitmap bitmap_;
    rt::MemoryDc dc_;
    std::unique_ptr<rt::ScopedSelection> selection_;
};

class PictureToBitmapMatchesReference : public ::testing::TestWithParam<const char*> {};

TEST_P(PictureToBitmapMatchesReference, PixelForPixel)
{
    rt::UniqueBitmap bitmap = FixtureBitmap(GetParam());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_TRUE(SameImage(BitmapRgb(bitmap.get()), ReadReference(GetParam())));
}

// jpeg_whole64 has rows of 192 bytes (already a multiple of 4), bmp_24bit rows of 39 (padded).
INSTANTIATE_TEST_SUITE_P(Bitmaps, PictureToBitmapMatchesReference,
                         ::testing::Values("jpeg_colour.jpg", "jpeg_whole64.jpg", "jpeg_grey.jpg", "bmp_24bit.bmp",
                                           "bmp_8bit.bmp", "bmp_1bit.bmp", "gif_basic.gif", "gif_interlaced.gif",
                                           "gif_2colour.gif", "pcx_8bit.pcx", "pcx_magick.pcx", "pcx_mono.pcx"));

// Icons and cursors are drawn at their natural size on white; transparent pixels stay white.
INSTANTIATE_TEST_SUITE_P(Icons, PictureToBitmapMatchesReference,
                         ::testing::Values("icon_48_16.ico", "icon_pick32.ico", "cursor.cur", "icon_png.ico"));

// The 24-bit rows are padded for the device-independent bitmap: widths 1 to 8 give every
// remainder of the unpadded row modulo 4.
TEST(PictureToBitmap, ColourRowsArePaddedAtEveryWidth)
{
    for (int width = 1; width <= 8; ++width) {
        std::vector<uint8_t> bmp = testing::HandMadeBmp(24, width, 3);
        rt::UniqueBitmap bitmap = PictureToBitmap(bmp.data(), static_cast<std::ptrdiff_t>(bmp.size()));
        ASSERT_NE(bitmap, nullptr) << "width " << width;
        EXPECT_TRUE(SameImage(BitmapRgb(bitmap.get()), testing::HandMadeBmpPixels(24, width, 3))) << "width " << width;
    }
}

TEST(PictureToBitmap, RefusesWhatDoesNotDecode)
{
    const char text[] = "no picture here";
    EXPECT_EQ(PictureToBitmap(text, sizeof text), nullptr);
    EXPECT_EQ(PictureToBitmap(nullptr, 10), nullptr);
}

TEST(RenderPicture, SmallGifFrameAtTheTopLeftOfABlackScreen)
{
    rt::UniqueBitmap bitmap = FixtureBitmap("gif_small_frame.gif");
    ASSERT_NE(bitmap, nullptr);
    RgbImage pixels = BitmapRgb(bitmap.get());
    ASSERT_EQ(pixels.width, 50);
    ASSERT_EQ(pixels.height, 40);
    RgbImage frame = ReadReference("gif_frame.gif");
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            const uint8_t* got = pixels.at(x, y);
            std::vector<uint8_t> want(3, 0);
            if (x < frame.width && y < frame.height) want.assign(frame.at(x, y), frame.at(x, y) + 3);
            ASSERT_EQ(std::vector<uint8_t>(got, got + 3), want) << "at " << x << "," << y;
        }
    }
}

TEST(RenderPicture, FailsWithoutContextOrForATornDownPicture)
{
    OwnedPicture picture = FixturePicture("bmp_24bit.bmp");
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(RenderPicture(*picture, nullptr));
    Board board(4, 4, RGB(0, 0, 0));
    picture->kind = PictureKind::kNone;
    EXPECT_FALSE(RenderPicture(*picture, board.dc()));
}

TEST(RenderPicture, EachKindOnABoard)
{
    for (const char* name :
         {"jpeg_colour.jpg", "bmp_8bit.bmp", "gif_basic.gif", "pcx_8bit.pcx", "pcx_mono.pcx", "icon_48_16.ico"}) {
        OwnedPicture picture = FixturePicture(name);
        ASSERT_NE(picture, nullptr) << name;
        Board board(picture->width, picture->height, RGB(255, 255, 255));
        RenderedPicture rendered = RenderPicture(*picture, board.dc());
        ASSERT_TRUE(rendered) << name;
        EXPECT_EQ(rendered.width(), picture->width);
        EXPECT_EQ(rendered.height(), picture->height);
        EXPECT_EQ(rendered.icon() != nullptr, picture->kind == PictureKind::kIcon) << name;
        EXPECT_TRUE(rendered.Draw(board.dc(), 0, 0, picture->width, picture->height, SRCCOPY)) << name;
        EXPECT_TRUE(SameImage(board.Pixels(), ReadReference(name))) << name;
    }
}

TEST(RenderedPicture, StretchesWithTheRasterOperation)
{
    OwnedPicture picture = FixturePicture("bmp_24bit.bmp");
    ASSERT_NE(picture, nullptr);
    RgbImage source = PictureRgb(*picture);
    Board board(26, 14, RGB(0, 0, 0));
    SetStretchBltMode(board.dc(), COLORONCOLOR);
    RenderedPicture rendered = RenderPicture(*picture, board.dc());
    ASSERT_TRUE(rendered);
    ASSERT_TRUE(rendered.Draw(board.dc(), 0, 0, 26, 14, NOTSRCCOPY));
    RgbImage pixels = board.Pixels();
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < 26; ++x) {
            const uint8_t* s = source.at(x / 2, y / 2);
            const uint8_t* p = pixels.at(x, y);
            ASSERT_EQ((std::vector<int>{p[0], p[1], p[2]}), (std::vector<int>{255 - s[0], 255 - s[1], 255 - s[2]}))
                << "at " << x << "," << y;
        }
    }
}

TEST(RenderedPicture, MonochromeDrawsBlackAndWhiteWhateverTheContextColours)
{
    OwnedPicture picture = FixturePicture("pcx_mono.pcx");
    ASSERT_NE(picture, nullptr);
    Board board(picture->width, picture->height, RGB(0, 0, 255));
    SetTextColor(board.dc(), RGB(255, 0, 0));
    SetBkColor(board.dc(), RGB(0, 255, 0));
    RenderedPicture rendered = RenderPicture(*picture, board.dc());
    ASSERT_TRUE(rendered);
    EXPECT_TRUE(rendered.monochrome());
    ASSERT_TRUE(rendered.Draw(board.dc(), 0, 0, picture->width, picture->height, SRCCOPY));
    EXPECT_EQ(GetTextColor(board.dc()), RGB(255, 0, 0));
    EXPECT_EQ(GetBkColor(board.dc()), RGB(0, 255, 0));
    EXPECT_TRUE(SameImage(board.Pixels(), ReadReference("pcx_mono.pcx")));
}

TEST(RenderedPicture, IconKeepsItsTransparencyWhenStretched)
{
    OwnedPicture picture = FixturePicture("icon_48_16.ico");
    ASSERT_NE(picture, nullptr);
    Board board(32, 32, RGB(0, 0, 255));
    RenderedPicture rendered = RenderPicture(*picture, board.dc());
    ASSERT_TRUE(rendered.Draw(board.dc(), 0, 0, 32, 32, SRCCOPY));
    RgbImage pixels = board.Pixels();
    // The 3 x 3 transparent corner, doubled, shows the board.
    EXPECT_EQ((std::vector<int>{pixels.at(0, 0)[0], pixels.at(0, 0)[1], pixels.at(0, 0)[2]}),
              (std::vector<int>{0, 0, 255}));
    EXPECT_EQ((std::vector<int>{pixels.at(5, 5)[0], pixels.at(5, 5)[1], pixels.at(5, 5)[2]}),
              (std::vector<int>{0, 0, 255}));
    RgbImage reference = ReadReference("icon_48_16.ico");
    EXPECT_EQ((std::vector<int>{pixels.at(31, 31)[0], pixels.at(31, 31)[1], pixels.at(31, 31)[2]}),
              (std::vector<int>{reference.at(15, 15)[0], reference.at(15, 15)[1], reference.at(15, 15)[2]}));
}

}  // namespace
}  // namespace pictures
