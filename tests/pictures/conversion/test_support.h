// Fixtures for the conversion tests: a private folder that is also the temporary folder of the
// conversion, pictures written in each source format, and our JPEG output decoded again.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace conversion_test {

using Bytes = std::vector<uint8_t>;

// R, G, B rows top-down: the reference every fixture is made from.
struct RgbPicture {
    uint32_t width = 0;
    uint32_t height = 0;
    Bytes rgb;
    const uint8_t* at(uint32_t x, uint32_t y) const { return &rgb[(size_t{y} * width + x) * 3]; }
};

// Smooth colours that differ from row to row and column to column.
RgbPicture GradientPicture(uint32_t width, uint32_t height);

Bytes BmpFile(const RgbPicture& picture, bool topDown = false);
// A BMP of another depth with an empty colour table, padded to at least minimumSize bytes.
Bytes BmpFileOfDepth(unsigned bits, uint32_t width, uint32_t height, size_t minimumSize = 0);
// Three planes of R, G, B; or one plane of the red samples as indices into a palette whose
// entry i is (i, 255 - i, i / 2).
Bytes PcxFile(const RgbPicture& picture, unsigned planes);
void WritePng(const std::string& path, const RgbPicture& picture, int colourType, int bitDepth = 8);
void WriteTiff(const std::string& path, const RgbPicture& picture);
// A zero-filled single-strip deflate TIFF; samples beyond the third are unassociated alpha.
void WriteBlankTiff(const std::string& path, uint32_t width, uint32_t height, unsigned samples, unsigned bits);
// A little-endian TIFF with SHORT or LONG tags of its first directory set to new values.
Bytes WithTiffTags(Bytes tiff, std::initializer_list<std::pair<uint16_t, uint32_t>> tags);
// A PNG whose header claims another size (its checksum made to match).
Bytes WithPngSize(Bytes png, uint32_t width, uint32_t height);
void WriteCmykJpeg(const std::string& path, uint32_t width, uint32_t height);

void WriteBytes(const std::string& path, const Bytes& bytes);
Bytes ReadBytes(const std::string& path);
bool FileExists(const std::string& path);

struct DecodedJpeg {
    uint32_t width = 0;
    uint32_t height = 0;
    int components = 0;
    Bytes pixels;
};
DecodedJpeg DecodeJpeg(const std::string& path);

// Largest difference of any sample between a colour decode and the reference.
int LargestDifference(const DecodedJpeg& decoded, const RgbPicture& reference);

// A fresh folder per test, made the system temporary folder for the conversion's buffers.
class ScratchFolderTest : public ::testing::Test {
protected:
    ~ScratchFolderTest() override;
    void SetUp() override;
    std::string path(const std::string& name) const { return folder_ + name; }
    // Names of the conversion's temporary files now in the folder.
    std::vector<std::string> tempFiles() const;

    std::string folder_;
};

}  // namespace conversion_test
