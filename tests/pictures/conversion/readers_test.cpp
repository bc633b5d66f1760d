#include <png.h>

#include "jpeg_edits.h"
#include "pictures/conversion/convert_to_jpeg.h"
#include "pictures/conversion/read_source.h"
#include "pictures/shared/jpeg_decode_limits.h"
#include "pictures/shared/picture_limits.h"
#include "test_support.h"

using namespace conversion_test;
using pictures::ConversionImage;
using pictures::ReadOutcome;
using pictures::ReadSource;
using pictures::ReadSourceFile;

namespace {

class ReadersTest : public ScratchFolderTest {
protected:
    ReadOutcome read(const Bytes& bytes) { return ReadSource(bytes, image); }
    // The image's rows equal the reference's samples (the red samples only for 8-bit pictures).
    void expectPixels(const RgbPicture& reference)
    {
        ASSERT_EQ(image.width(), reference.width);
        ASSERT_EQ(image.height(), reference.height);
        for (uint32_t y = 0; y < reference.height; ++y) {
            for (uint32_t x = 0; x < reference.width; ++x) {
                const uint8_t* px = image.row(y) + x * image.bytesPerPixel() + (image.bitsPerPixel() == 32);
                const uint8_t* expected = reference.at(x, y);
                bool same = image.bitsPerPixel() == 8
                                ? px[0] == expected[0]
                                : px[0] == expected[0] && px[1] == expected[1] && px[2] == expected[2];
                ASSERT_TRUE(same) << "pixel " << x << ", " << y;
            }
        }
    }
    ConversionImage image;
};

// Header fields of a 24-bit BMP with the information header: width at 18, height at 22.
Bytes WithDimensions(Bytes bmp, int32_t width, int32_t height)
{
    for (int i = 0; i < 4; ++i) {
        bmp[18 + i] = static_cast<uint8_t>(static_cast<uint32_t>(width) >> (8 * i));
        bmp[22 + i] = static_cast<uint8_t>(static_cast<uint32_t>(height) >> (8 * i));
    }
    return bmp;
}

TEST_F(ReadersTest, BmpRowsBottomUpAndTopDown)
{
    RgbPicture picture = GradientPicture(13, 7);
    ASSERT_EQ(read(BmpFile(picture)), ReadOutcome::kRead);
    expectPixels(picture);
    ASSERT_EQ(read(BmpFile(picture, true)), ReadOutcome::kRead);
    expectPixels(picture);
}

// Rows of 3 to 27 bytes cover every remainder modulo 4: a row size rounded the wrong way shifts
// every later row.
TEST_F(ReadersTest, BmpRowsArePaddedToFourBytesAtEveryWidth)
{
    for (uint32_t width = 1; width <= 9; ++width) {
        RgbPicture picture = GradientPicture(width, 3);
        ASSERT_EQ(read(BmpFile(picture)), ReadOutcome::kRead) << "width " << width;
        expectPixels(picture);
        ASSERT_EQ(read(BmpFile(picture, true)), ReadOutcome::kRead) << "width " << width;
        expectPixels(picture);
    }
}

TEST_F(ReadersTest, BmpWithCoreHeader)
{
    RgbPicture picture = GradientPicture(5, 3);
    Bytes info = BmpFile(picture);
    Bytes core{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 26, 0, 0, 0, 12, 0, 0, 0, 5, 0, 3, 0, 1, 0, 24, 0};
    core.insert(core.end(), info.begin() + 54, info.end());
    ASSERT_EQ(read(core), ReadOutcome::kRead);
    expectPixels(picture);
}

TEST_F(ReadersTest, BmpHeadersThatCannotBeTrusted)
{
    Bytes bmp = BmpFile(GradientPicture(4, 4));
    Bytes rle = bmp;
    rle[30] = 1;
    Bytes rle4 = bmp;
    rle4[30] = 2;
    Bytes offsetPastEnd = bmp;
    offsetPastEnd[11] = 0x10;
    Bytes offsetInsideHeader = bmp;
    offsetInsideHeader[10] = 20;
    EXPECT_EQ(read(rle), ReadOutcome::kRefused);
    EXPECT_EQ(read(rle4), ReadOutcome::kRefused);
    EXPECT_EQ(read(offsetPastEnd), ReadOutcome::kRefused);
    EXPECT_EQ(read(offsetInsideHeader), ReadOutcome::kRefused);
    EXPECT_EQ(read(WithDimensions(bmp, 4, 0)), ReadOutcome::kRefused);
    EXPECT_EQ(read(WithDimensions(bmp, -4, 4)), ReadOutcome::kRefused);
    EXPECT_EQ(read(WithDimensions(bmp, 60000, 60000)), ReadOutcome::kRefused);
    EXPECT_EQ(read(WithDimensions(bmp, 4, INT32_MIN)), ReadOutcome::kRefused);
    // Within the limits, but the file holds four rows of 10000 claimed: no buffer is made.
    EXPECT_EQ(read(WithDimensions(bmp, 10000, 10000)), ReadOutcome::kFailed);
}

TEST_F(ReadersTest, PcxPlanesAndPalette)
{
    RgbPicture picture = GradientPicture(9, 6);
    ASSERT_EQ(read(PcxFile(picture, 3)), ReadOutcome::kRead);
    EXPECT_EQ(image.bitsPerPixel(), 24u);
    expectPixels(picture);
    ASSERT_EQ(read(PcxFile(picture, 1)), ReadOutcome::kRead);
    EXPECT_EQ(image.bitsPerPixel(), 8u);
    EXPECT_EQ(image.paletteCount(), 256u);
    expectPixels(picture);
    EXPECT_EQ(image.palette()[5].g, 250);
    EXPECT_EQ(image.palette()[5].b, 2);
}

TEST_F(ReadersTest, PcxHeadersThatCannotBeTrusted)
{
    Bytes pcx = PcxFile(GradientPicture(9, 6), 3);
    Bytes fourPlanes = pcx;
    fourPlanes[65] = 4;
    Bytes bitPlanes = pcx;
    bitPlanes[3] = 1;
    bitPlanes[65] = 8;
    Bytes narrowLines = pcx;
    narrowLines[66] = 4;
    Bytes tall = pcx;
    tall[10] = 0x00;
    tall[11] = 0x80;
    EXPECT_EQ(read(fourPlanes), ReadOutcome::kRefused);
    EXPECT_EQ(read(bitPlanes), ReadOutcome::kRefused);
    EXPECT_EQ(read(narrowLines), ReadOutcome::kRefused);
    // 32769 rows claimed by a few hundred coded bytes: refused before any buffer is made.
    EXPECT_EQ(read(tall), ReadOutcome::kFailed);
}

TEST_F(ReadersTest, PcxRunsNeverCrossTheirRow)
{
    // 2 x 2, one plane, 2 bytes per line: a run of 63 fills row 0 only; row 1 is two literals.
    Bytes pcx(128);
    pcx[0] = 0x0A;
    pcx[3] = 8;
    pcx[8] = 1;
    pcx[10] = 1;
    pcx[65] = 1;
    pcx[66] = 2;
    pcx.insert(pcx.end(), {0xFF, 7, 1, 2});
    pcx.resize(pcx.size() + 769);
    ASSERT_EQ(read(pcx), ReadOutcome::kRead);
    EXPECT_EQ(image.row(0)[1], 7);
    EXPECT_EQ(image.row(1)[0], 1);
    EXPECT_EQ(image.row(1)[1], 2);
}

TEST_F(ReadersTest, PngColourTypes)
{
    RgbPicture picture = GradientPicture(11, 5);
    for (int type : {PNG_COLOR_TYPE_GRAY, PNG_COLOR_TYPE_GRAY_ALPHA, PNG_COLOR_TYPE_RGB, PNG_COLOR_TYPE_RGBA}) {
        WritePng(path("in.png"), picture, type);
        ASSERT_EQ(ReadSourceFile(path("in.png"), image), ReadOutcome::kRead) << "colour type " << type;
        unsigned bits = type == PNG_COLOR_TYPE_RGBA ? 32 : type == PNG_COLOR_TYPE_RGB ? 24 : 8;
        EXPECT_EQ(image.bitsPerPixel(), bits) << "colour type " << type;
        expectPixels(picture);
    }
    EXPECT_EQ(image.row(0)[4], 16) << "alpha of pixel 1 comes first";
    WritePng(path("deep.png"), picture, PNG_COLOR_TYPE_RGB, 16);
    EXPECT_EQ(ReadSourceFile(path("deep.png"), image), ReadOutcome::kRefused);
}

TEST_F(ReadersTest, TiffAndGreyJpeg)
{
    RgbPicture picture = GradientPicture(10, 9);
    WriteTiff(path("in.tif"), picture);
    ASSERT_EQ(ReadSourceFile(path("in.tif"), image), ReadOutcome::kRead);
    expectPixels(picture);
    ASSERT_EQ(pictures::ConvertToJpeg(path("in.tif").c_str(), path("grey.jpg").c_str(), true, 90, false, 0), 1);
    ASSERT_EQ(ReadSourceFile(path("grey.jpg"), image), ReadOutcome::kRead);
    EXPECT_TRUE(image.isGrey());
    EXPECT_EQ(image.width(), 10u);
}

// A few hundred bytes claiming 12000 x 9000 pixels: each reader refuses them in its open step,
// before any buffer is made or any row decoded.
TEST_F(ReadersTest, SmallSourcesClaimingBigPicturesAreRefused)
{
    using pictures::testing::MakeJpeg;
    using pictures::testing::WithFrameSize;
    EXPECT_EQ(read(WithFrameSize(MakeJpeg(16, 16, false, false), 12000, 9000)), ReadOutcome::kRefused) << "baseline";
    EXPECT_EQ(read(WithFrameSize(MakeJpeg(16, 16, true, false), 12000, 9000)), ReadOutcome::kRefused) << "progressive";
    WritePng(path("small.png"), GradientPicture(16, 16), PNG_COLOR_TYPE_RGB);
    EXPECT_EQ(read(WithPngSize(ReadBytes(path("small.png")), 12000, 9000)), ReadOutcome::kRefused);
    WriteBlankTiff(path("small.tif"), 16, 16, 3, 8);
    Bytes tiff = WithTiffTags(ReadBytes(path("small.tif")), {{256, 12000}, {257, 9000}, {278, 9000}});
    EXPECT_EQ(read(tiff), ReadOutcome::kRefused);
}

TEST_F(ReadersTest, JpegFilesBeyondTheDecompressionLimitsAreRefused)
{
    using namespace pictures::testing;
    Bytes progressive = MakeJpeg(64, 48, true, false);  // ten scans
    EXPECT_EQ(read(WithLastScanRepeated(progressive, pictures::kJpegMaxScans - 10)), ReadOutcome::kRead);
    EXPECT_EQ(read(WithLastScanRepeated(progressive, pictures::kJpegMaxScans - 9)), ReadOutcome::kRefused);
    // 540 MB of coefficients for 10000 x 9000 pixels with full-size chroma, in a file long enough
    // to hold that many pixels.
    Bytes claim = WithFrameSize(MakeJpeg(16, 16, true, true), 10000, 9000);
    EXPECT_EQ(read(PaddedWithComments(claim, 10000 * 9000 / pictures::kJpegMaxPixelsPerByte + 1)),
              ReadOutcome::kRefused);
}

TEST_F(ReadersTest, TiffStripBeyondLibtiffsAllocationLimitFailsTheRead)
{
    // One strip of 10000 x 10000 pixels of 16-bit R, G, B and A decodes to 800 MB; the file is just
    // long enough to hold that.
    WriteBlankTiff(path("deep.tif"), 16, 16, 4, 16);
    Bytes tiff = WithTiffTags(ReadBytes(path("deep.tif")), {{256, 10000}, {257, 10000}, {278, 10000}});
    tiff.resize(800'000'000 / pictures::kTiffMaxExpansion + 1);
    EXPECT_EQ(read(tiff), ReadOutcome::kFailed);
}

// Y, C1 and C2 at the base image's offset in an otherwise empty 1 MiB file.
Bytes PhotoCdFile(uint8_t luma, uint8_t chroma1, uint8_t chroma2)
{
    Bytes file(1048576);
    for (size_t pair = 0; pair < 256; ++pair) {
        uint8_t* stored = &file[0x30000 + pair * 3 * 768];
        std::fill_n(stored, 2 * 768, luma);
        std::fill_n(stored + 2 * 768, 384, chroma1);
        std::fill_n(stored + 2 * 768 + 384, 384, chroma2);
    }
    return file;
}

TEST_F(ReadersTest, PhotoCdColours)
{
    ASSERT_EQ(read(PhotoCdFile(100, 156, 137)), ReadOutcome::kRead);
    const uint8_t* grey = image.row(511) + 3 * 767;
    EXPECT_EQ((Bytes{grey[0], grey[1], grey[2]}), (Bytes{141, 141, 141}));
    ASSERT_EQ(read(PhotoCdFile(0, 255, 0)), ReadOutcome::kRead);
    const uint8_t* px = image.row(0);
    EXPECT_EQ((Bytes{px[0], px[1], px[2]}), (Bytes{0, 53, 202}));
}

TEST_F(ReadersTest, PhotoCdChromaIsSharedByNeighbours)
{
    Bytes file = PhotoCdFile(100, 156, 137);
    file[0x30000 + 2 * 768 + 2] = 166;
    ASSERT_EQ(read(file), ReadOutcome::kRead);
    for (uint32_t y : {0u, 1u}) {
        EXPECT_EQ(image.row(y)[3 * 3 + 2], 141);
        EXPECT_EQ(image.row(y)[3 * 4 + 2], 161) << "pixels 4 and 5 share C1[2]";
        EXPECT_EQ(image.row(y)[3 * 5 + 2], 161);
        EXPECT_EQ(image.row(y)[3 * 6 + 2], 141);
    }
}

}  // namespace
