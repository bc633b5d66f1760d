#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixtures.h"
#include "pictures/decoding/picture_decode.h"
#include "pictures/decoding/picture_detect.h"

namespace pictures {
namespace {

using testing::FixturePath;
using testing::ReadFixture;

struct DetectCase {
    const char* what;
    std::vector<uint8_t> bytes;
    PictureKind kind;
};

class DetectPictureKindTest : public ::testing::TestWithParam<DetectCase> {};

TEST_P(DetectPictureKindTest, RecognisesTheFirstSixBytes)
{
    const DetectCase& c = GetParam();
    EXPECT_EQ(DetectPictureKind(c.bytes.data(), c.bytes.size()), c.kind) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Signatures, DetectPictureKindTest,
    ::testing::Values(DetectCase{"BM", {'B', 'M', 0, 0, 0, 0}, PictureKind::kBmp},
                      DetectCase{"JPEG start of image", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0}, PictureKind::kJpeg},
                      DetectCase{"icon", {0, 0, 1, 0, 2, 0}, PictureKind::kIcon},
                      DetectCase{"icon without entries", {0, 0, 1, 0, 0, 0}, PictureKind::kNone},
                      DetectCase{"cursor", {0, 0, 2, 0, 1, 0}, PictureKind::kCursor},
                      DetectCase{"resource type 3", {0, 0, 3, 0, 1, 0}, PictureKind::kNone},
                      DetectCase{"GIF87a", {'G', 'I', 'F', '8', '7', 'a'}, PictureKind::kGif},
                      DetectCase{"GIF89a", {'G', 'I', 'F', '8', '9', 'a'}, PictureKind::kGif},
                      DetectCase{"GIF88a", {'G', 'I', 'F', '8', '8', 'a'}, PictureKind::kNone},
                      DetectCase{"GIF89b", {'G', 'I', 'F', '8', '9', 'b'}, PictureKind::kNone},
                      DetectCase{"PCX 8 bits version 5", {0x0A, 5, 1, 8, 0, 0}, PictureKind::kPcx8},
                      DetectCase{"PCX 8 bits version 0", {0x0A, 0, 1, 8, 0, 0}, PictureKind::kPcx8},
                      DetectCase{"PCX version 6", {0x0A, 6, 1, 8, 0, 0}, PictureKind::kNone},
                      DetectCase{"PCX not run-length coded", {0x0A, 5, 0, 8, 0, 0}, PictureKind::kNone},
                      DetectCase{"PCX 1 bit version 3", {0x0A, 3, 1, 1, 0, 0}, PictureKind::kPcxMono},
                      DetectCase{"PCX 1 bit version 5", {0x0A, 5, 1, 1, 0, 0}, PictureKind::kNone},
                      DetectCase{"PCX 4 bits", {0x0A, 3, 1, 4, 0, 0}, PictureKind::kNone},
                      DetectCase{"five bytes of BMP", {'B', 'M', 0, 0, 0}, PictureKind::kNone},
                      DetectCase{"PNG", {0x89, 'P', 'N', 'G', '\r', '\n'}, PictureKind::kNone}));

TEST(DecodePictureBytes, RefusesMissingEmptyAndNegativeLengths)
{
    std::vector<uint8_t> bmp = ReadFixture("bmp_24bit.bmp");
    EXPECT_EQ(DecodePictureBytes(nullptr, 100), nullptr);
    EXPECT_EQ(DecodePictureBytes(bmp.data(), 0), nullptr);
    EXPECT_EQ(DecodePictureBytes(bmp.data(), -1), nullptr);
}

TEST(DecodePictureBytes, FiveBytesOrFewerAreNoPicture)
{
    for (const char* name : {"bmp_24bit.bmp", "jpeg_colour.jpg", "gif_basic.gif", "icon_48_16.ico"}) {
        std::vector<uint8_t> data = ReadFixture(name);
        for (std::ptrdiff_t length = 1; length <= 5; ++length) {
            EXPECT_EQ(DecodePictureBytes(data.data(), length), nullptr) << name << " cut to " << length;
        }
    }
}

TEST(DecodePictureBytes, UnknownDataIsNoPicture)
{
    const char text[] = "just some text, no picture";
    EXPECT_EQ(DecodePictureBytes(text, sizeof text), nullptr);
}

TEST(DecodePictureFile, TheDataNotTheNameDecidesTheFormat)
{
    OwnedPicture picture = DecodePictureFile(FixturePath("bmp_named.jpg"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->kind, PictureKind::kBmp);
    EXPECT_TRUE(testing::SameImage(testing::PictureRgb(*picture), testing::ReadReference("bmp_named.jpg")));
}

TEST(DecodePictureFile, RefusesEmptyAndMissingNames)
{
    EXPECT_EQ(DecodePictureFile(""), nullptr);
    EXPECT_EQ(DecodePictureFile(FixturePath("no_such_picture.bmp")), nullptr);
}

TEST(DecodePictureFile, GivesWhatTheBytesGive)
{
    for (const char* name : {"jpeg_colour.jpg", "bmp_8bit.bmp", "gif_interlaced.gif", "pcx_8bit.pcx", "pcx_mono.pcx",
                             "icon_48_16.ico", "cursor.cur"}) {
        std::vector<uint8_t> data = ReadFixture(name);
        OwnedPicture fromBytes = DecodePictureBytes(data.data(), static_cast<std::ptrdiff_t>(data.size()));
        OwnedPicture fromFile = DecodePictureFile(FixturePath(name));
        ASSERT_NE(fromBytes, nullptr) << name;
        ASSERT_NE(fromFile, nullptr) << name;
        EXPECT_EQ(fromFile->kind, fromBytes->kind) << name;
        EXPECT_EQ(fromFile->width, fromBytes->width) << name;
        EXPECT_EQ(fromFile->height, fromBytes->height) << name;
        ASSERT_EQ(fromFile->dataSize, fromBytes->dataSize) << name;
        if (fromFile->dataSize) {
            EXPECT_EQ(std::vector<uint8_t>(fromFile->data, fromFile->data + fromFile->dataSize),
                      std::vector<uint8_t>(fromBytes->data, fromBytes->data + fromBytes->dataSize))
                << name;
        }
    }
}

}  // namespace
}  // namespace pictures
