#include "pictures/conversion/jpeg_writer.h"

#include <algorithm>

#include "pictures/conversion/depth_conversion.h"
#include "test_support.h"

using namespace conversion_test;
using pictures::ConversionImage;
using pictures::JpegSettings;
using pictures::WriteJpeg;

namespace {

struct Segment {
    uint8_t marker;
    Bytes body;
};

// The marker segments of a JPEG file up to its end marker, entropy-coded data skipped.
std::vector<Segment> Segments(const Bytes& jpeg)
{
    std::vector<Segment> segments;
    size_t at = 2;
    while (at + 2 <= jpeg.size() && jpeg[at] == 0xFF) {
        uint8_t marker = jpeg[at + 1];
        if (marker == 0xD9 || at + 4 > jpeg.size()) {
            segments.push_back({marker, {}});
            break;
        }
        size_t length = size_t{jpeg[at + 2]} << 8 | jpeg[at + 3];
        segments.push_back({marker, Bytes(jpeg.begin() + at + 4, jpeg.begin() + at + 2 + length)});
        at += 2 + length;
        while (marker == 0xDA && at + 1 < jpeg.size() &&
               !(jpeg[at] == 0xFF && jpeg[at + 1] != 0 && (jpeg[at + 1] < 0xD0 || jpeg[at + 1] > 0xD7))) {
            ++at;
        }
    }
    return segments;
}

size_t Count(const std::vector<Segment>& segments, uint8_t marker)
{
    return std::count_if(segments.begin(), segments.end(), [&](const Segment& s) { return s.marker == marker; });
}

// The table libjpeg uses for luminance DC coefficients when it does not optimise.
bool HasStandardLuminanceDcTable(const std::vector<Segment>& segments)
{
    const Bytes standard{0x00, 0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
    return std::any_of(segments.begin(), segments.end(), [&](const Segment& s) {
        return s.marker == 0xC4 &&
               std::search(s.body.begin(), s.body.end(), standard.begin(), standard.end()) == s.body.begin();
    });
}

class JpegWriterTest : public ScratchFolderTest {
protected:
    void SetUp() override
    {
        ScratchFolderTest::SetUp();
        RgbPicture picture = GradientPicture(48, 32);
        ASSERT_TRUE(colour.allocate(48, 32, 24));
        std::copy(picture.rgb.begin(), picture.rgb.end(), colour.row(0));
    }
    std::vector<Segment> write(const ConversionImage& image, const JpegSettings& settings)
    {
        EXPECT_TRUE(WriteJpeg(image, path("out.jpg"), settings));
        return Segments(ReadBytes(path("out.jpg")));
    }
    ConversionImage colour;
};

TEST_F(JpegWriterTest, SingleScanBaselineJfif)
{
    std::vector<Segment> segments = write(colour, {false, 100, true, 0});
    ASSERT_FALSE(segments.empty());
    EXPECT_EQ(segments.front().marker, 0xE0);
    EXPECT_EQ(Bytes(segments.front().body.begin(), segments.front().body.begin() + 5), (Bytes{'J', 'F', 'I', 'F', 0}));
    EXPECT_EQ(Count(segments, 0xC0), 1u) << "baseline frame";
    EXPECT_EQ(Count(segments, 0xC2) + Count(segments, 0xC1), 0u);
    EXPECT_EQ(Count(segments, 0xDA), 1u) << "one scan";
    EXPECT_EQ(segments.back().marker, 0xD9);
    for (const Segment& s : segments) {
        if (s.marker == 0xDB) {
            EXPECT_TRUE(std::all_of(s.body.begin() + 1, s.body.begin() + 65, [](uint8_t q) { return q == 1; }))
                << "quality 100 quantises by 1";
        }
    }
}

TEST_F(JpegWriterTest, OptimisedTablesOnlyWhenAsked)
{
    EXPECT_FALSE(HasStandardLuminanceDcTable(write(colour, {false, 100, true, 0})));
    EXPECT_TRUE(HasStandardLuminanceDcTable(write(colour, {false, 100, false, 0})));
}

TEST_F(JpegWriterTest, LowestQualityKeepsBaselineTables)
{
    for (const Segment& s : write(colour, {false, 1, false, 0})) {
        if (s.marker == 0xDB) {
            EXPECT_EQ(s.body[0] >> 4, 0) << "8-bit quantisation tables";
        }
    }
}

TEST_F(JpegWriterTest, SmoothingChangesTheOutput)
{
    write(colour, {false, 90, false, 0});
    Bytes plain = ReadBytes(path("out.jpg"));
    write(colour, {false, 90, false, 100});
    EXPECT_NE(ReadBytes(path("out.jpg")), plain);
}

// An indexed picture written grey shows the grey of its palette colours, not its indices.
TEST_F(JpegWriterTest, GreyOutputOfIndexedPicturesUsesThePalette)
{
    ConversionImage indexed;
    ASSERT_TRUE(indexed.allocate(16, 16, 8, 2));
    indexed.setPaletteColour(0, {255, 0, 0});
    indexed.setPaletteColour(1, {0, 0, 255});
    for (uint32_t y = 8; y < 16; ++y) {
        std::fill_n(indexed.row(y), 16, 1);
    }
    write(indexed, {true, 100, false, 0});
    DecodedJpeg decoded = DecodeJpeg(path("out.jpg"));
    ASSERT_EQ(decoded.components, 1);
    EXPECT_NEAR(decoded.pixels[0], 76, 2);
    EXPECT_NEAR(decoded.pixels[15 * 16], 29, 2);
}

using DepthConversionTest = ScratchFolderTest;

TEST_F(DepthConversionTest, ColourAndGreyFromEveryDepth)
{
    ConversionImage argb;
    ASSERT_TRUE(argb.allocate(3, 1, 32));
    const uint8_t pixels[] = {9, 255, 0, 0, 9, 0, 255, 0, 9, 0, 0, 255};
    std::copy(std::begin(pixels), std::end(pixels), argb.row(0));
    ConversionImage rgb;
    ConversionImage grey;
    ASSERT_TRUE(pictures::ConvertToRgb(argb, rgb));
    ASSERT_TRUE(pictures::ConvertToGrey(argb, grey));
    EXPECT_EQ(Bytes(rgb.row(0), rgb.row(0) + 9), (Bytes{255, 0, 0, 0, 255, 0, 0, 0, 255}));
    EXPECT_EQ(Bytes(grey.row(0), grey.row(0) + 3), (Bytes{76, 149, 29}));
    ConversionImage back;
    ASSERT_TRUE(pictures::ConvertToRgb(grey, back));
    EXPECT_EQ(Bytes(back.row(0), back.row(0) + 3), (Bytes{76, 76, 76}));
}

}  // namespace
