#include <gtest/gtest.h>

#include <vector>

#include "allocation_probe.h"
#include "fixtures.h"
#include "pictures/decoding/picture_decode.h"

namespace pictures {
namespace {

using testing::Decode;

using testing::PictureRgb;
using testing::ReadFixture;
using testing::ReadReference;
using testing::SameImage;

// A 128-byte header of width x height, 1 plane, then the coded pixel bytes.
std::vector<uint8_t> Pcx(uint8_t version, uint8_t bits, uint16_t width, uint16_t height, uint16_t bytesPerLine,
                         const std::vector<uint8_t>& coded)
{
    std::vector<uint8_t> data(128);
    data[0] = 0x0A;
    data[1] = version;
    data[2] = 1;
    data[3] = bits;
    data[8] = static_cast<uint8_t>(width - 1);
    data[9] = static_cast<uint8_t>((width - 1) >> 8);
    data[10] = static_cast<uint8_t>(height - 1);
    data[11] = static_cast<uint8_t>((height - 1) >> 8);
    data[65] = 1;
    data[66] = static_cast<uint8_t>(bytesPerLine);
    data[67] = static_cast<uint8_t>(bytesPerLine >> 8);
    data.insert(data.end(), coded.begin(), coded.end());
    return data;
}

std::vector<uint8_t> Rows(const Picture& p) { return {p.data + 40 + 1024, p.data + p.dataSize}; }

class PcxMatchesReference : public ::testing::TestWithParam<const char*> {};

TEST_P(PcxMatchesReference, PixelForPixel)
{
    OwnedPicture picture = Decode(ReadFixture(GetParam()));
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(SameImage(PictureRgb(*picture), ReadReference(GetParam())));
}

// pcx_8bit and pcx_mono have scan lines longer than the width (18 bytes for 17 pixels, 4 bytes for
// 17 bits): the extra bytes must not shift the next row.
INSTANTIATE_TEST_SUITE_P(Fixtures, PcxMatchesReference,
                         ::testing::Values("pcx_8bit.pcx", "pcx_grey.pcx", "pcx_magick.pcx", "pcx_mono.pcx"));

TEST(PcxDecoder, EightBitsIsAPackedBitmapRowsPaddedFromTheWidth)
{
    OwnedPicture picture = Decode(ReadFixture("pcx_8bit.pcx"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->kind, PictureKind::kPcx8);
    EXPECT_EQ(picture->width, 17);
    EXPECT_EQ(picture->height, 9);
    EXPECT_EQ(picture->dataSize, 40u + 1024u + 20u * 9u);
    int32_t height = picture->data[8] | picture->data[9] << 8 | picture->data[10] << 16 | picture->data[11] << 24;
    EXPECT_EQ(height, -9);
}

TEST(PcxDecoder, MonochromeBitsRowsPaddedToTwoBytes)
{
    OwnedPicture picture = Decode(ReadFixture("pcx_mono.pcx"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->kind, PictureKind::kPcxMono);
    EXPECT_EQ(picture->dataSize, 4u * 11u);  // 17 bits: 3 bytes, padded to 4
}

TEST(PcxDecoder, MissingPaletteGivesZeroColours)
{
    OwnedPicture withPalette = Decode(ReadFixture("pcx_8bit.pcx"));
    OwnedPicture without = Decode(ReadFixture("pcx_no_palette.pcx"));
    ASSERT_NE(withPalette, nullptr);
    ASSERT_NE(without, nullptr);
    EXPECT_EQ(std::vector<uint8_t>(without->data + 40, without->data + 40 + 1024), std::vector<uint8_t>(1024, 0));
    EXPECT_EQ(Rows(*without), Rows(*withPalette));
}

TEST(PcxDecoder, RunsContinueIntoTheNextScanLine)
{
    // 2 x 2 pixels, one run of four 7s, then the palette with colour 7 = (1, 2, 3).
    std::vector<uint8_t> coded = {0xC4, 7, 0x0C};
    coded.resize(coded.size() + 768);
    coded[3 + 7 * 3] = 1;
    coded[3 + 7 * 3 + 1] = 2;
    coded[3 + 7 * 3 + 2] = 3;
    OwnedPicture picture = Decode(Pcx(5, 8, 2, 2, 2, coded));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(Rows(*picture), (std::vector<uint8_t>{7, 7, 0, 0, 7, 7, 0, 0}));
    EXPECT_EQ((std::vector<uint8_t>(picture->data + 40 + 28, picture->data + 40 + 32)),
              (std::vector<uint8_t>{3, 2, 1, 0}));
}

TEST(PcxDecoder, ByteC0IsALiteral)
{
    OwnedPicture picture = Decode(Pcx(5, 8, 2, 1, 2, {0xC0, 0xC1, 0x05}));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(Rows(*picture), (std::vector<uint8_t>{0xC0, 0x05, 0, 0}));
}

TEST(PcxDecoder, RefusesWhatItCannotDecode)
{
    EXPECT_EQ(Decode(ReadFixture("pcx_rgb.pcx")), nullptr) << "three planes";
    std::vector<uint8_t> pixels(64, 0);
    EXPECT_EQ(Decode(Pcx(5, 4, 8, 8, 4, pixels)), nullptr) << "4 bits";
    std::vector<uint8_t> fourPlanes = Pcx(3, 1, 8, 8, 1, pixels);
    fourPlanes[65] = 4;
    EXPECT_EQ(Decode(fourPlanes), nullptr) << "four 1-bit planes";
    EXPECT_EQ(Decode(Pcx(5, 8, 8, 2, 7, pixels)), nullptr) << "scan line shorter than the width";
    EXPECT_EQ(Decode(Pcx(3, 1, 17, 2, 2, pixels)), nullptr) << "1-bit scan line shorter than the width";
    EXPECT_EQ(Decode(Pcx(6, 8, 2, 2, 2, pixels)), nullptr) << "version 6";
    std::vector<uint8_t> raw = Pcx(5, 8, 2, 2, 2, pixels);
    raw[2] = 0;
    EXPECT_EQ(Decode(raw), nullptr) << "not run-length coded";
}

TEST(PcxDecoder, RefusesBrokenHeadersAndData)
{
    std::vector<uint8_t> header = Pcx(5, 8, 2, 2, 2, {});
    EXPECT_EQ(Decode(header), nullptr) << "128 bytes";
    std::vector<uint8_t> inverted = Pcx(5, 8, 2, 2, 2, {1, 2, 3, 4});
    inverted[4] = 5;  // Xmin 5 > Xmax 1
    EXPECT_EQ(Decode(inverted), nullptr);
    EXPECT_EQ(Decode(Pcx(5, 8, 2, 2, 2, {1, 2, 3})), nullptr) << "pixel data ends early";
    EXPECT_EQ(Decode(Pcx(5, 8, 2, 2, 2, {1, 2, 3, 0xC5})), nullptr) << "run without its value";
    std::vector<uint8_t> file = ReadFixture("pcx_8bit.pcx");
    file.resize(128 + 40);
    EXPECT_EQ(Decode(file), nullptr) << "truncated file";
}

TEST(PcxDecoder, ShortFileClaimingABigPictureAllocatesNothingBig)
{
    testing::AllocationProbe probe;
    // 20000 x 6000 from a run of 20 maximal pairs: 1260 bytes decoded at most.
    std::vector<uint8_t> runs;
    for (int i = 0; i < 20; ++i) runs.insert(runs.end(), {0xFF, 0});
    EXPECT_EQ(Decode(Pcx(5, 8, 20000, 6000, 20000, runs)), nullptr);
    EXPECT_EQ(Decode(Pcx(3, 1, 60000, 2000, 7500, runs)), nullptr);
    EXPECT_LT(probe.largest(), size_t{1} << 20);
}

}  // namespace
}  // namespace pictures
