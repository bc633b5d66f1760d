// The in-memory encoder gives ConvertToJpeg's bytes for the same pixels, picture after picture
// through one encoder whose memory is kept, and stays usable after a failure or a cancel.
#include "pictures/conversion/jpeg_encoder.h"

#include <atomic>

#include "pictures/conversion/convert_to_jpeg.h"
#include "pictures/conversion/jpeg_writer.h"
#include "test_support.h"

using namespace conversion_test;
using pictures::JpegEncoder;
using pictures::JpegSettings;
using pictures::RowFormat;

namespace {

const JpegSettings kSplitSettings{false, 100, true, 0};

// The picture's rows in the format, one row of samples after another.
Bytes RowsOf(const RgbPicture& picture, RowFormat format)
{
    Bytes rows;
    for (size_t i = 0; i + 2 < picture.rgb.size(); i += 3) {
        const uint8_t* rgb = &picture.rgb[i];
        if (format == RowFormat::kBgr) {
            rows.insert(rows.end(), {rgb[2], rgb[1], rgb[0]});
        } else {
            rows.insert(rows.end(), {rgb[0], rgb[1], rgb[2]});
        }
    }
    return rows;
}

Bytes Encode(JpegEncoder& encoder, uint32_t width, uint32_t height, RowFormat format, const Bytes& rows,
             const JpegSettings& settings, const std::atomic<bool>* cancel = nullptr)
{
    size_t rowBytes = size_t{width} * (format == RowFormat::kGrey ? 1 : 3);
    pictures::RowSource source = [&](uint32_t first, uint32_t count, const uint8_t** out) {
        for (uint32_t i = 0; i < count; ++i) {
            out[i] = rows.data() + (first + i) * rowBytes;
        }
    };
    if (!encoder.encode(width, height, format, source, settings, cancel)) {
        EXPECT_TRUE(encoder.bytes().empty());
        return {};
    }
    return Bytes(encoder.bytes().begin(), encoder.bytes().end());
}

class JpegEncoderTest : public ScratchFolderTest {
protected:
    // What ConvertToJpeg makes of the picture as a 24-bit BMP file.
    Bytes Converted(const RgbPicture& picture, const JpegSettings& settings)
    {
        WriteBytes(path("in.bmp"), BmpFile(picture));
        EXPECT_EQ(pictures::ConvertToJpeg(path("in.bmp").c_str(), path("out.jpg").c_str(), settings.grey,
                                          settings.quality, settings.optimise, settings.smoothing),
                  pictures::kConverted);
        return ReadBytes(path("out.jpg"));
    }

    JpegEncoder encoder;
};

TEST_F(JpegEncoderTest, GivesConvertToJpegsBytesPictureAfterPicture)
{
    ASSERT_TRUE(encoder.ready());
    // Large, small, odd and large again: the kept memory of one picture serves the next.
    struct Case {
        uint32_t width, height;
        RowFormat format;
    };
    for (Case c : {Case{160, 120, RowFormat::kBgr}, Case{1, 1, RowFormat::kBgr}, Case{37, 23, RowFormat::kRgb},
                   Case{300, 7, RowFormat::kBgr}, Case{7, 300, RowFormat::kRgb}, Case{161, 121, RowFormat::kBgr}}) {
        RgbPicture picture = GradientPicture(c.width, c.height);
        Bytes expected = Converted(picture, kSplitSettings);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(Encode(encoder, c.width, c.height, c.format, RowsOf(picture, c.format), kSplitSettings), expected)
            << c.width << " x " << c.height;
    }
}

TEST_F(JpegEncoderTest, OtherSettingsGiveTheirBytesToo)
{
    RgbPicture picture = GradientPicture(90, 70);
    // Smoothing makes libjpeg keep context rows, a larger picture of samples in its memory.
    for (JpegSettings settings :
         {JpegSettings{false, 75, false, 0}, JpegSettings{false, 30, true, 60}, JpegSettings{false, 1, false, 100}}) {
        EXPECT_EQ(Encode(encoder, 90, 70, RowFormat::kBgr, RowsOf(picture, RowFormat::kBgr), settings),
                  Converted(picture, settings))
            << "quality " << settings.quality << ", smoothing " << settings.smoothing;
    }
}

TEST_F(JpegEncoderTest, GreyRowsGiveTheWritersGreyFile)
{
    pictures::ConversionImage grey;
    ASSERT_TRUE(grey.allocate(45, 31, 8));
    Bytes rows;
    for (uint32_t y = 0; y < 31; ++y) {
        for (uint32_t x = 0; x < 45; ++x) {
            grey.row(y)[x] = static_cast<uint8_t>(x * 5 + y * 3);
            rows.push_back(grey.row(y)[x]);
        }
    }
    JpegSettings settings{true, 90, true, 0};
    ASSERT_TRUE(pictures::WriteJpeg(grey, path("grey.jpg"), settings));
    EXPECT_EQ(Encode(encoder, 45, 31, RowFormat::kGrey, rows, settings), ReadBytes(path("grey.jpg")));
}

TEST_F(JpegEncoderTest, KeepsOnePicturesMemoryForTheNextOfItsSize)
{
    RgbPicture picture = GradientPicture(200, 150);
    Bytes rows = RowsOf(picture, RowFormat::kBgr);
    Bytes first = Encode(encoder, 200, 150, RowFormat::kBgr, rows, kSplitSettings);
    size_t kept = encoder.memoryBytes();
    // A whole picture of coefficients, 2 bytes each, for the optimised tables.
    EXPECT_GT(kept, 200u * 150 * 2);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Encode(encoder, 200, 150, RowFormat::kBgr, rows, kSplitSettings), first);
        EXPECT_EQ(encoder.memoryBytes(), kept);
    }
}

TEST_F(JpegEncoderTest, ACancelOrAFailureLeavesTheEncoderReady)
{
    RgbPicture picture = GradientPicture(64, 64);
    Bytes rows = RowsOf(picture, RowFormat::kBgr);
    std::atomic<bool> cancel{true};
    EXPECT_TRUE(Encode(encoder, 64, 64, RowFormat::kBgr, rows, kSplitSettings, &cancel).empty());
    // libjpeg refuses an empty picture with its error exit.
    EXPECT_TRUE(Encode(encoder, 0, 64, RowFormat::kBgr, rows, kSplitSettings).empty());
    // A row source that stops half way: libjpeg is left in the middle of a picture.
    cancel = false;
    pictures::RowSource halfway = [&](uint32_t first, uint32_t count, const uint8_t** out) {
        for (uint32_t i = 0; i < count; ++i) {
            out[i] = rows.data() + (first + i) * 64 * 3;
        }
        cancel = first >= 16;
    };
    EXPECT_FALSE(encoder.encode(64, 64, RowFormat::kBgr, halfway, kSplitSettings, &cancel));
    cancel = false;
    EXPECT_EQ(Encode(encoder, 64, 64, RowFormat::kBgr, rows, kSplitSettings, &cancel),
              Converted(picture, kSplitSettings));
}

}  // namespace
