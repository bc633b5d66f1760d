#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "allocation_probe.h"
#include "fixtures.h"
#include "jpeg_edits.h"
#include "pictures/decoding/format_decoders.h"
#include "pictures/decoding/picture_decode.h"
#include "pictures/shared/jpeg_decode_limits.h"
#include "pictures/shared/picture_limits.h"

namespace pictures {
namespace {

using testing::Decode;

using testing::PictureRgb;
using testing::ReadFixture;
using testing::ReadReference;
using testing::SameImage;
using testing::WithFrameSize;

class JpegMatchesReference : public ::testing::TestWithParam<const char*> {};

TEST_P(JpegMatchesReference, PixelForPixel)
{
    OwnedPicture picture = Decode(ReadFixture(GetParam()));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->kind, PictureKind::kJpeg);
    EXPECT_EQ(picture->dataSize, static_cast<uint32_t>(picture->width * picture->height * 3));
    EXPECT_EQ(picture->icon, nullptr);
    EXPECT_TRUE(SameImage(PictureRgb(*picture), ReadReference(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, JpegMatchesReference,
                         ::testing::Values("jpeg_colour.jpg", "jpeg_colour444.jpg", "jpeg_progressive.jpg",
                                           "jpeg_grey.jpg", "jpeg_whole64.jpg"));

TEST(JpegDecoder, GreyGivesThreeEqualBytesPerPixel)
{
    OwnedPicture picture = Decode(ReadFixture("jpeg_grey.jpg"));
    ASSERT_NE(picture, nullptr);
    for (uint32_t i = 0; i < picture->dataSize; i += 3) {
        ASSERT_EQ(picture->data[i], picture->data[i + 1]);
        ASSERT_EQ(picture->data[i], picture->data[i + 2]);
    }
}

TEST(JpegDecoder, TruncatedFileStillDecodes)
{
    OwnedPicture picture = Decode(ReadFixture("jpeg_truncated.jpg"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width, 64);
    EXPECT_EQ(picture->height, 64);
    // The rows coded before the cut are the whole picture's rows.
    EXPECT_TRUE(SameImage(TopRows(PictureRgb(*picture), 16), TopRows(ReadReference("jpeg_whole64.jpg"), 16)));
}

TEST(JpegDecoder, RefusesFourComponents) { EXPECT_EQ(Decode(ReadFixture("jpeg_cmyk.jpg")), nullptr); }

TEST(JpegDecoder, RefusesDataWithoutAnImage)
{
    std::vector<uint8_t> data = ReadFixture("jpeg_colour.jpg");
    data.resize(40);  // inside the headers, before the frame
    EXPECT_EQ(Decode(data), nullptr);
    std::vector<uint8_t> garbage = {0xFF, 0xD8, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};
    EXPECT_EQ(Decode(garbage), nullptr);
}

TEST(JpegDecoder, RefusesSizesBeyondTheLimits)
{
    std::vector<uint8_t> data = ReadFixture("jpeg_colour.jpg");
    EXPECT_EQ(Decode(WithFrameSize(data, 65000, 65000)), nullptr);
    EXPECT_EQ(Decode(WithFrameSize(data, 20000, 20000)), nullptr) << "sides allowed, too many pixels";
}

TEST(JpegDecoder, ShortFileClaimingABigPictureAllocatesNothingBig)
{
    testing::AllocationProbe probe;
    // 9000 x 9000 is within the limits, but a 1 KB file cannot hold 81 million pixels.
    EXPECT_EQ(Decode(WithFrameSize(ReadFixture("jpeg_colour.jpg"), 9000, 9000)), nullptr);
    EXPECT_LT(probe.largest(), size_t{1} << 20);
}

TEST(JpegDecoder, FilesOfTooManyScansAreRefused)
{
    // libjpeg's progressive script has ten scans; each repeat of the last one makes the decoder
    // visit every block of the picture again.
    std::vector<uint8_t> progressive = testing::MakeJpeg(64, 48, true, false);
    OwnedPicture withinLimit = Decode(testing::WithLastScanRepeated(progressive, kJpegMaxScans - 10));
    ASSERT_NE(withinLimit, nullptr);
    EXPECT_EQ(withinLimit->width, 64);
    EXPECT_EQ(Decode(testing::WithLastScanRepeated(progressive, kJpegMaxScans - 9)), nullptr);
}

TEST(JpegDecoder, MultiScanBuffersBeyondLibjpegsMemoryLimitAreRefused)
{
    // 10000 x 9000 with full-size chroma: 540 MB of coefficients, in a file long enough to hold
    // that many pixels.
    std::vector<uint8_t> claim = WithFrameSize(testing::MakeJpeg(16, 16, true, true), 10000, 9000);
    testing::AllocationProbe probe;
    EXPECT_EQ(Decode(testing::PaddedWithComments(claim, 10000 * 9000 / kJpegMaxPixelsPerByte + 1)), nullptr);
    EXPECT_LT(probe.largest(), size_t{1} << 20) << "the pixels are allocated only once libjpeg has its buffers";
}

class ThrowingStream final : public rt::ByteStream {
public:
    explicit ThrowingStream(std::vector<uint8_t> data) : data_(std::move(data)), inner_(data_.data(), data_.size()) {}
    size_t read(void* destination, size_t size) override
    {
        if (inner_.tell() > 0) throw std::runtime_error("device gone");
        return inner_.read(destination, size < 100 ? size : 100);
    }
    bool seek(uint64_t position) override { return inner_.seek(position); }
    uint64_t tell() const override { return inner_.tell(); }
    uint64_t size() const override { return inner_.size(); }

private:
    std::vector<uint8_t> data_;
    rt::MemoryStream inner_;
};

TEST(JpegDecoder, StreamExceptionIsAFailedDecode)
{
    ThrowingStream stream(ReadFixture("jpeg_colour.jpg"));
    EXPECT_EQ(DecodeJpeg(stream), nullptr);
}

TEST(JpegDecoder, PhotographOf108MegapixelsDecodes)
{
    OwnedPicture picture = DecodePictureFile(testing::FixturePath("jpeg_big.jpg"));
    ASSERT_NE(picture, nullptr);
    ASSERT_EQ(picture->width, 12000);
    ASSERT_EQ(picture->height, 9000);
    std::ifstream samples(testing::FixturePath("jpeg_big.samples"));
    int x, y, r, g, b, count = 0;
    while (samples >> x >> y >> r >> g >> b) {
        const uint8_t* p = picture->data + (static_cast<size_t>(picture->height - 1 - y) * picture->width + x) * 3;
        ASSERT_EQ((std::vector<int>{p[2], p[1], p[0]}), (std::vector<int>{r, g, b})) << "at " << x << "," << y;
        ++count;
    }
    EXPECT_GT(count, 200);
}

// libjpeg-turbo's own test pictures, compared with djpeg's decode. They come with the library's
// sources, which the project's setup unpacks; without them there is nothing to compare.
class LibjpegTestImages : public ::testing::TestWithParam<const char*> {};

TEST_P(LibjpegTestImages, MatchDjpeg)
{
    std::string name = std::string("libjpeg/") + GetParam();
    if (!testing::FixtureExists(name)) GTEST_SKIP() << "libjpeg-turbo's test pictures are not unpacked";
    OwnedPicture picture = Decode(ReadFixture(name));
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(SameImage(PictureRgb(*picture), ReadReference(name)));
}

INSTANTIATE_TEST_SUITE_P(Sequential, LibjpegTestImages, ::testing::Values("testorig.jpg"));
INSTANTIATE_TEST_SUITE_P(Progressive, LibjpegTestImages, ::testing::Values("testimgint.jpg"));
INSTANTIATE_TEST_SUITE_P(Arithmetic, LibjpegTestImages, ::testing::Values("testimgari.jpg"));

TEST(JpegDecoder, RefusesTwelveBitSamples)
{
    if (!testing::FixtureExists("libjpeg/testorig12.jpg")) {
        GTEST_SKIP() << "libjpeg-turbo's test pictures are not unpacked";
    }
    EXPECT_EQ(Decode(ReadFixture("libjpeg/testorig12.jpg")), nullptr);
}

}  // namespace
}  // namespace pictures
