#include <gtest/gtest.h>

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

int32_t HeaderField(const Picture& p, size_t at)
{
    const uint8_t* d = p.data + at;
    return static_cast<int32_t>(d[0] | d[1] << 8 | d[2] << 16 | uint32_t{d[3]} << 24);
}

// A 2 x 2 screen with a 2-colour global table, then the given blocks.
std::vector<uint8_t> Gif(const std::vector<uint8_t>& blocks)
{
    std::vector<uint8_t> data = {'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255};
    data.insert(data.end(), blocks.begin(), blocks.end());
    return data;
}

// An image descriptor for the 2 x 2 screen and its pixels 0 1 1 0 at minimum code size 2: clear,
// 0, 1, 1 as 3-bit codes, then 0 and end as 4-bit codes (the table has reached 8 entries).
const std::vector<uint8_t> kImage = {0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0, 2, 3, 0x44, 0x02, 0x05, 0};
const std::vector<uint8_t> kTrailer = {0x3B};

std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts)
{
    std::vector<uint8_t> all;
    for (const std::vector<uint8_t>& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

class GifMatchesReference : public ::testing::TestWithParam<const char*> {};

TEST_P(GifMatchesReference, PixelForPixel)
{
    OwnedPicture picture = Decode(ReadFixture(GetParam()));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->kind, PictureKind::kGif);
    EXPECT_TRUE(SameImage(PictureRgb(*picture), ReadReference(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, GifMatchesReference,
                         ::testing::Values("gif_basic.gif", "gif_interlaced.gif", "gif_2colour.gif", "gif_16colour.gif",
                                           "gif_magick.gif", "gif_local_table.gif", "gif_full_table.gif"));

TEST(GifDecoder, AnimatedGivesTheFirstFrame)
{
    OwnedPicture picture = Decode(ReadFixture("gif_animated.gif"));
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(SameImage(PictureRgb(*picture), ReadReference("gif_animated.gif")));
}

TEST(GifDecoder, PackedBitmapLayout)
{
    OwnedPicture picture = Decode(ReadFixture("gif_interlaced.gif"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(HeaderField(*picture, 0), 40);
    EXPECT_EQ(HeaderField(*picture, 4), 33);
    EXPECT_EQ(HeaderField(*picture, 8), -41);
    EXPECT_EQ(picture->data[12] | picture->data[13] << 8, 1);  // planes
    EXPECT_EQ(picture->data[14] | picture->data[15] << 8, 8);  // bits
    EXPECT_EQ(HeaderField(*picture, 16), 0);                   // no compression
    EXPECT_EQ(HeaderField(*picture, 32), 256);
    EXPECT_EQ(HeaderField(*picture, 36), 256);
    EXPECT_EQ(picture->dataSize, 40u + 1024u + 36u * 41u);  // rows of 33 padded to 36
}

TEST(GifDecoder, SmallFrameStaysAtTheTopLeftOfTheScreen)
{
    OwnedPicture picture = Decode(ReadFixture("gif_small_frame.gif"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width, 50);
    EXPECT_EQ(picture->height, 40);
    EXPECT_TRUE(SameImage(PictureRgb(*picture), ReadReference("gif_frame.gif")));
}

TEST(GifDecoder, HandMadeImage)
{
    OwnedPicture picture = Decode(Gif(Join({kImage, kTrailer})));
    ASSERT_NE(picture, nullptr);
    const uint8_t* rows = picture->data + 40 + 1024;
    EXPECT_EQ((std::vector<uint8_t>{rows[0], rows[1], rows[4], rows[5]}), (std::vector<uint8_t>{0, 1, 1, 0}));
    const uint8_t* colours = picture->data + 40;
    EXPECT_EQ((std::vector<uint8_t>(colours, colours + 12)),
              (std::vector<uint8_t>{0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 0, 0}));
}

TEST(GifDecoder, SkipsTheExtensionsBeforeTheImage)
{
    std::vector<uint8_t> control = {0x21, 0xF9, 4, 1, 10, 0, 1, 0};
    std::vector<uint8_t> comment = {0x21, 0xFE, 3, 'a', 'b', 'c', 2, 'd', 'e', 0};
    std::vector<uint8_t> text = {0x21, 0x01, 12, 0, 0, 0, 0, 8, 0, 8, 0, 8, 8, 1, 0, 2, 'h', 'i', 0};
    std::vector<uint8_t> application = {0x21, 0xFF, 11,  'N', 'E', 'T', 'S', 'C', 'A', 'P',
                                        'E',  '2',  '.', '0', 3,   1,   0,   0,   0};
    EXPECT_NE(Decode(Gif(Join({control, comment, text, application, kImage, kTrailer}))), nullptr);
}

TEST(GifDecoder, RefusesFilesWithoutAnImage)
{
    EXPECT_EQ(Decode(Gif(kTrailer)), nullptr) << "only the trailer";
    EXPECT_EQ(Decode(Gif({0x00, 0x3B})), nullptr) << "a zero byte before any image";
    EXPECT_EQ(Decode(Gif({0x21, 0xFE, 1, 'x', 0})), nullptr) << "a comment and the end of the data";
    EXPECT_EQ(Decode(Gif({0x21, 0xFE, 1, 'x', 0, 0x3B})), nullptr) << "a comment and the trailer";
}

TEST(GifDecoder, RefusesUnknownBlocks)
{
    EXPECT_EQ(Decode(Gif(Join({{0x21, 0x02, 1, 0, 0}, kImage}))), nullptr) << "extension label 2";
    EXPECT_EQ(Decode(Gif(Join({{0x55}, kImage}))), nullptr) << "block 0x55";
}

TEST(GifDecoder, RefusesSubBlocksRunningPastTheEnd)
{
    EXPECT_EQ(Decode(Gif({0x21, 0xFE, 200, 'x', 'y'})), nullptr);
    EXPECT_EQ(Decode(Gif({0x21, 0xFE, 2, 'x', 'y'})), nullptr) << "no terminator";
}

TEST(GifDecoder, RefusesBrokenHeaders)
{
    std::vector<uint8_t> good = Gif(Join({kImage, kTrailer}));
    EXPECT_EQ(Decode(std::vector<uint8_t>(good.begin(), good.begin() + 13)), nullptr) << "13 bytes";
    std::vector<uint8_t> data = good;
    data[10] = 0x87;  // a 256-colour global table the file does not hold
    EXPECT_EQ(Decode(data), nullptr);
    data = good;
    data[6] = data[7] = 0;  // zero screen width
    EXPECT_EQ(Decode(data), nullptr);
    data = good;
    data[19 + 5] = 0;  // zero frame width
    EXPECT_EQ(Decode(data), nullptr);
    data = good;
    data[19 + 9] = 0x87;  // a local table the file does not hold
    EXPECT_EQ(Decode(data), nullptr);
    for (uint8_t minCodeSize : {0, 1, 9, 12}) {
        data = good;
        data[19 + 10] = minCodeSize;
        EXPECT_EQ(Decode(data), nullptr) << "minimum code size " << int{minCodeSize};
    }
}

TEST(GifDecoder, TruncatedImageKeepsTheRowsDecoded)
{
    OwnedPicture picture = Decode(ReadFixture("gif_truncated.gif"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width, 40);
    EXPECT_EQ(picture->height, 30);
    EXPECT_TRUE(SameImage(TopRows(PictureRgb(*picture), 10), TopRows(ReadReference("gif_basic.gif"), 10)));
}

TEST(GifDecoder, DescriptorWithoutPixelDataIsRefused)
{
    std::vector<uint8_t> image(kImage.begin(), kImage.begin() + 11);  // descriptor and code size only
    EXPECT_EQ(Decode(Gif(image)), nullptr);
}

TEST(GifDecoder, ShortFileClaimingABigPictureAllocatesNothingBig)
{
    testing::AllocationProbe probe;
    std::vector<uint8_t> frame = kImage;
    frame[5] = 0x20;  // 20000 x 6000
    frame[6] = 0x4E;
    frame[7] = 0x70;
    frame[8] = 0x17;
    EXPECT_EQ(Decode(Gif(Join({frame, kTrailer}))), nullptr) << "big frame";
    std::vector<uint8_t> screen = Gif(Join({kImage, kTrailer}));
    screen[6] = 0x20;
    screen[7] = 0x4E;
    screen[8] = 0x70;
    screen[9] = 0x17;
    EXPECT_EQ(Decode(screen), nullptr) << "big screen";
    EXPECT_LT(probe.largest(), size_t{1} << 20);
}

}  // namespace
}  // namespace pictures
