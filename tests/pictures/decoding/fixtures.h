// Test fixtures made by make_fixtures.py, their reference pixels, and decoded pictures as RGB.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "pictures/decoding/picture.h"
#include "pictures/decoding/picture_decode.h"

namespace pictures::testing {

// Decodes the bytes as a picture of any kind, as LoadPicture does for a byte set.
inline OwnedPicture Decode(const std::vector<uint8_t>& data)
{
    return DecodePictureBytes(data.data(), static_cast<std::ptrdiff_t>(data.size()));
}

std::string FixturePath(const std::string& name);
bool FixtureExists(const std::string& name);
// Throws std::runtime_error for a missing fixture.
std::vector<uint8_t> ReadFixture(const std::string& name);

// Pixels as R, G, B rows top-down.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;

    const uint8_t* at(int x, int y) const { return rgb.data() + (static_cast<size_t>(y) * width + x) * 3; }
};

// The reference decode of a fixture: "name.ext" -> "name.ppm".
RgbImage ReadReference(const std::string& fixtureName);

// The picture's pixels; for GIF pictures the frame's, whose size the packed header gives.
RgbImage PictureRgb(const Picture& picture);

// Equal sizes and every channel within the tolerance; names the first pixel that differs.
::testing::AssertionResult SameImage(const RgbImage& actual, const RgbImage& expected, int tolerance = 0);

// The top rows of an image.
RgbImage TopRows(const RgbImage& image, int rows);

// A BMP with a 40-byte header and a full colour table (1, 4 and 8 bits), written independently of
// the decoder: rows bottom-up, packed most significant bits first, padded to 4 bytes. Every pixel
// and palette entry has its own colour; compression is only written into the header.
std::vector<uint8_t> HandMadeBmp(unsigned bits, int width, int height, uint32_t compression = 0);
// The picture that HandMadeBmp stores.
RgbImage HandMadeBmpPixels(unsigned bits, int width, int height);

}  // namespace pictures::testing
