#include <gtest/gtest.h>

#include "runtime/unit_options/font_description.h"

namespace {

TEST(FontDescription, HasTheLogfontLayout)
{
    rt::FontDescription font;
    font.Height = -12;
    font.Width = 1;
    font.Escapement = 2;
    font.Orientation = 3;
    font.Weight = 400;
    font.Italic = 4;
    font.Underline = 1;
    font.StrikeOut = 5;
    font.CharSet = 134;
    font.OutPrecision = 6;
    font.ClipPrecision = 7;
    font.Quality = 8;
    font.PitchAndFamily = 9;
    font.setFaceName("\xcb\xce\xcc\xe5");
    std::array<uint8_t, 60> bytes = rt::EncodeFont(font);

    const std::array<uint8_t, 32> expected = {0xf4, 0xff, 0xff, 0xff, 1, 0, 0, 0,   2, 0, 0, 0, 3,    0,    0,    0,
                                              0x90, 1,    0,    0,    4, 1, 5, 134, 6, 7, 8, 9, 0xcb, 0xce, 0xcc, 0xe5};
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), bytes.begin()));
    EXPECT_TRUE(std::all_of(bytes.begin() + 32, bytes.end(), [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(rt::DecodeFont(bytes.data()), font);
}

TEST(FontDescription, FaceNamesKeepRoomForTheirTerminator)
{
    rt::FontDescription font;
    font.setFaceName(std::string(40, 'x'));
    EXPECT_EQ(font.faceName(), std::string(31, 'x'));
    EXPECT_EQ(font.FaceName[31], '\0');
}

TEST(FontDescription, AFaceNameWithoutTerminatorEndsAtItsLastByte)
{
    std::array<uint8_t, 60> bytes{};
    std::fill(bytes.begin() + 28, bytes.end(), 'y');
    EXPECT_EQ(rt::DecodeFont(bytes.data()).faceName(), std::string(32, 'y'));
}

}  // namespace
