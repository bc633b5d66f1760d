#include <gtest/gtest.h>

#include <cstring>
#include <string>
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

void Put32(std::vector<uint8_t>& data, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i) data[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// Every depth at widths whose unpadded rows cover every remainder modulo 4 (1-bit widths up to 40
// give rows of 1 to 5 bytes): a row stride rounded the wrong way shifts every later row.
TEST(BmpDecoder, RowsArePaddedToFourBytesAtEveryDepthAndWidth)
{
    for (unsigned bits : {1u, 4u, 8u, 24u, 32u}) {
        for (int width = 1; width <= 40; ++width) {
            OwnedPicture picture = Decode(testing::HandMadeBmp(bits, width, 3));
            ASSERT_NE(picture, nullptr) << bits << " bits, width " << width;
            ASSERT_TRUE(SameImage(PictureRgb(*picture), testing::HandMadeBmpPixels(bits, width, 3)))
                << bits << " bits, width " << width;
        }
    }
}

TEST(BmpDecoder, RunLengthAndBitFieldCompressionsAreRefused)
{
    EXPECT_EQ(Decode(testing::HandMadeBmp(8, 5, 3, 1)), nullptr) << "RLE8";
    EXPECT_EQ(Decode(testing::HandMadeBmp(4, 9, 3, 2)), nullptr) << "RLE4";
    EXPECT_EQ(Decode(testing::HandMadeBmp(32, 5, 3, 3)), nullptr) << "bit fields";
    EXPECT_NE(Decode(testing::HandMadeBmp(8, 5, 3, 0)), nullptr) << "the same pictures uncompressed";
}

class BmpMatchesReference : public ::testing::TestWithParam<const char*> {};

TEST_P(BmpMatchesReference, PixelForPixel)
{
    OwnedPicture picture = Decode(ReadFixture(GetParam()));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->kind, PictureKind::kBmp);
    EXPECT_EQ(picture->dataSize, static_cast<uint32_t>(picture->width * picture->height * 3));
    EXPECT_TRUE(SameImage(PictureRgb(*picture), ReadReference(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Depths, BmpMatchesReference,
                         ::testing::Values("bmp_1bit.bmp", "bmp_4bit.bmp", "bmp_8bit.bmp", "bmp_24bit.bmp",
                                           "bmp_32bit.bmp", "bmp_v5_8bit.bmp"));

TEST(BmpDecoder, FourBitsWithSixColoursShowsBlackForIndicesSixToFifteen)
{
    OwnedPicture picture = Decode(ReadFixture("bmp_4bit_used6.bmp"));
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(SameImage(PictureRgb(*picture), ReadReference("bmp_4bit_used6.bmp")));
}

TEST(BmpDecoder, ThirtyTwoBitsIgnoresTheFourthByte)
{
    OwnedPicture direct = Decode(ReadFixture("bmp_24bit.bmp"));
    OwnedPicture withAlpha = Decode(ReadFixture("bmp_32bit.bmp"));
    ASSERT_NE(direct, nullptr);
    ASSERT_NE(withAlpha, nullptr);
    EXPECT_EQ(std::vector<uint8_t>(withAlpha->data, withAlpha->data + withAlpha->dataSize),
              std::vector<uint8_t>(direct->data, direct->data + direct->dataSize));
}

TEST(BmpDecoder, NegativeHeightIsTopDown)
{
    OwnedPicture picture = Decode(ReadFixture("bmp_topdown.bmp"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->height, 7);
    EXPECT_TRUE(SameImage(PictureRgb(*picture), ReadReference("bmp_topdown.bmp")));
}

TEST(BmpDecoder, RefusesWhatItCannotDecode)
{
    for (const char* name : {"bmp_16bit.bmp", "bmp_rle8.bmp", "bmp_os2.bmp"}) {
        EXPECT_EQ(Decode(ReadFixture(name)), nullptr) << name;
    }
}

TEST(BmpDecoder, RefusesBrokenHeaders)
{
    std::vector<uint8_t> good = ReadFixture("bmp_24bit.bmp");
    struct Patch {
        const char* what;
        size_t at;
        uint32_t value;
    };
    for (Patch p : {Patch{"data offset inside the header", 10, 20}, Patch{"zero width", 18, 0},
                    Patch{"zero height", 22, 0}, Patch{"width beyond the limit", 18, 70000}, Patch{"bit fields", 30, 3},
                    Patch{"information header beyond the file", 14, 100000}}) {
        std::vector<uint8_t> data = good;
        Put32(data, p.at, p.value);
        EXPECT_EQ(Decode(data), nullptr) << p.what;
    }
}

TEST(BmpDecoder, RefusesTruncatedData)
{
    std::vector<uint8_t> data = ReadFixture("bmp_24bit.bmp");
    for (size_t cut : {size_t{1}, size_t{40}, data.size() - 54, data.size() - 30}) {
        std::vector<uint8_t> shorter(data.begin(), data.end() - static_cast<std::ptrdiff_t>(cut));
        EXPECT_EQ(Decode(shorter), nullptr) << "cut by " << cut;
    }
    std::vector<uint8_t> paletted = ReadFixture("bmp_8bit.bmp");
    paletted.resize(54 + 500);  // inside the colour table
    EXPECT_EQ(Decode(paletted), nullptr);
}

TEST(BmpDecoder, ColourTableLongerThanTheFileIsRefused)
{
    std::vector<uint8_t> data = ReadFixture("bmp_8bit.bmp");
    Put32(data, 46, 0x40000000);  // colours used
    EXPECT_EQ(Decode(data), nullptr);
}

TEST(BmpDecoder, ShortFileClaimingABigPictureAllocatesNothingBig)
{
    std::vector<uint8_t> data = ReadFixture("bmp_24bit.bmp");
    Put32(data, 18, 20000);  // 20000 x 6000: within the limits, far beyond the file
    Put32(data, 22, 6000);
    testing::AllocationProbe probe;
    EXPECT_EQ(Decode(data), nullptr);
    EXPECT_LT(probe.largest(), size_t{1} << 20);
}

}  // namespace
}  // namespace pictures
