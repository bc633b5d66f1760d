#include <gtest/gtest.h>

#include <vector>

#include "fixtures.h"
#include "pictures/decoding/picture_decode.h"

namespace pictures {
namespace {

using testing::Decode;

using testing::ReadFixture;

void Put16(std::vector<uint8_t>& data, size_t at, uint16_t value)
{
    data[at] = static_cast<uint8_t>(value);
    data[at + 1] = static_cast<uint8_t>(value >> 8);
}

void Put32(std::vector<uint8_t>& data, size_t at, uint32_t value)
{
    Put16(data, at, static_cast<uint16_t>(value));
    Put16(data, at + 2, static_cast<uint16_t>(value >> 16));
}

struct IconCase {
    const char* name;
    PictureKind kind;
    int size;
};

class IconDecodes : public ::testing::TestWithParam<IconCase> {};

TEST_P(IconDecodes, AsTheChosenEntry)
{
    const IconCase& c = GetParam();
    OwnedPicture picture = Decode(ReadFixture(c.name));
    ASSERT_NE(picture, nullptr) << c.name;
    EXPECT_EQ(picture->kind, c.kind);
    EXPECT_EQ(picture->width, c.size);
    EXPECT_EQ(picture->height, c.size);
    EXPECT_NE(picture->icon, nullptr);
    EXPECT_EQ(picture->data, nullptr);
    EXPECT_EQ(picture->dataSize, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, IconDecodes,
    ::testing::Values(
        // Only a 48 and a 16 pixel entry: the last one is taken.
        IconCase{"icon_48_16.ico", PictureKind::kIcon, 16},
        // The first 32-pixel entry with 16 colours or more, past a 256-colour (count 0) and a 2-colour
        // one. The 256-colour entry's data is broken: had it been chosen, the decode would fail.
        IconCase{"icon_pick32.ico", PictureKind::kIcon, 32}, IconCase{"cursor.cur", PictureKind::kCursor, 24},
        // PNG image data: the size comes from its header.
        IconCase{"icon_png.ico", PictureKind::kIcon, 40}));

TEST(IconDecoder, RefusesBadDirectories)
{
    std::vector<uint8_t> good = ReadFixture("icon_48_16.ico");
    struct Patch {
        const char* what;
        size_t at;
        uint32_t value;
        bool wide;
    };
    for (Patch p : {Patch{"reserved not 0", 0, 1, false}, Patch{"type 3", 2, 3, false},
                    Patch{"no entries", 4, 0, false}, Patch{"more entries than the file holds", 4, 4000, false},
                    Patch{"last entry's data beyond the file", 6 + 16 + 12, 0x7FFFFFFF, true},
                    Patch{"last entry's data too long", 6 + 16 + 8, 100000, true},
                    Patch{"last entry's data too short", 6 + 16 + 8, 10, true}}) {
        std::vector<uint8_t> data = good;
        if (p.wide) {
            Put32(data, p.at, p.value);
        } else {
            Put16(data, p.at, static_cast<uint16_t>(p.value));
        }
        // Header tests go through the icon decoder, whatever DetectPictureKind says of them.
        EXPECT_EQ(Decode(data), nullptr) << p.what;
    }
}

TEST(IconDecoder, RefusesImageDataThatMakesNoIcon)
{
    std::vector<uint8_t> good = ReadFixture("icon_48_16.ico");
    size_t image = good[6 + 16 + 12] | good[6 + 16 + 13] << 8;
    struct Patch {
        const char* what;
        size_t at;
        uint16_t value;
    };
    for (Patch p : {Patch{"bit count 7", 14, 7}, Patch{"zero width", 4, 0}, Patch{"header size 12", 0, 12}}) {
        std::vector<uint8_t> data = good;
        Put16(data, image + p.at, p.value);
        EXPECT_EQ(Decode(data), nullptr) << p.what;
    }
}

TEST(IconDecoder, RefusesTruncatedImageData)
{
    std::vector<uint8_t> data = ReadFixture("icon_48_16.ico");
    data.pop_back();
    EXPECT_EQ(Decode(data), nullptr);
}

}  // namespace
}  // namespace pictures
