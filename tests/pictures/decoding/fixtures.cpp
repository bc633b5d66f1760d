#include "fixtures.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace pictures::testing {
namespace {

uint32_t Le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t{p[3]} << 24; }

void PutRgb(RgbImage& image, int x, int y, uint8_t r, uint8_t g, uint8_t b)
{
    uint8_t* p = image.rgb.data() + (static_cast<size_t>(y) * image.width + x) * 3;
    p[0] = r;
    p[1] = g;
    p[2] = b;
}

RgbImage Blank(int width, int height)
{
    return RgbImage{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 3)};
}

// Kinds 1 and 2: B,G,R rows bottom-up.
RgbImage FromColourRows(const Picture& p)
{
    RgbImage image = Blank(p.width, p.height);
    for (int y = 0; y < p.height; ++y) {
        const uint8_t* row = p.data + static_cast<size_t>(p.height - 1 - y) * p.width * 3;
        for (int x = 0; x < p.width; ++x) PutRgb(image, x, y, row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
    }
    return image;
}

// Kinds 5 and 6: a packed 8-bit DIB, rows top-down and padded to 4 bytes.
RgbImage FromPackedDib(const Picture& p)
{
    auto width = static_cast<int>(Le32(p.data + 4));
    int height = -static_cast<int>(Le32(p.data + 8));
    RgbImage image = Blank(width, height);
    const uint8_t* colours = p.data + 40;
    const uint8_t* pixels = colours + 1024;
    size_t stride = (static_cast<size_t>(width) + 3) / 4 * 4;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint8_t* c = colours + pixels[y * stride + x] * 4;
            PutRgb(image, x, y, c[2], c[1], c[0]);
        }
    }
    return image;
}

// Kind 7: bits, 1 white, rows top-down and padded to 2 bytes.
RgbImage FromMonochrome(const Picture& p)
{
    RgbImage image = Blank(p.width, p.height);
    size_t stride = (static_cast<size_t>(p.width) + 15) / 16 * 2;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            uint8_t v = (p.data[y * stride + x / 8] >> (7 - x % 8)) & 1 ? 255 : 0;
            PutRgb(image, x, y, v, v, v);
        }
    }
    return image;
}

}  // namespace

std::string FixturePath(const std::string& name) { return std::string(PICTURE_FIXTURES) + "/" + name; }

bool FixtureExists(const std::string& name) { return std::ifstream(FixturePath(name), std::ios::binary).good(); }

std::vector<uint8_t> ReadFixture(const std::string& name)
{
    std::ifstream file(FixturePath(name), std::ios::binary);
    if (!file.good()) throw std::runtime_error("missing fixture " + name);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

RgbImage ReadReference(const std::string& fixtureName)
{
    std::string name = fixtureName.substr(0, fixtureName.rfind('.')) + ".ppm";
    std::vector<uint8_t> bytes = ReadFixture(name);
    std::istringstream header(std::string(bytes.begin(), bytes.end()));
    std::string magic;
    int maxValue = 0;
    RgbImage image;
    header >> magic >> image.width >> image.height >> maxValue;
    header.get();
    EXPECT_EQ(magic, "P6") << name;
    size_t start = static_cast<size_t>(header.tellg());
    image.rgb.assign(bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.end());
    EXPECT_EQ(image.rgb.size(), static_cast<size_t>(image.width) * image.height * 3) << name;
    return image;
}

RgbImage PictureRgb(const Picture& p)
{
    switch (p.kind) {
    case PictureKind::kJpeg:
    case PictureKind::kBmp:
        return FromColourRows(p);
    case PictureKind::kGif:
    case PictureKind::kPcx8:
        return FromPackedDib(p);
    case PictureKind::kPcxMono:
        return FromMonochrome(p);
    default:
        ADD_FAILURE() << "no pixel data in kind " << static_cast<int>(p.kind);
        return {};
    }
}

::testing::AssertionResult SameImage(const RgbImage& actual, const RgbImage& expected, int tolerance)
{
    if (actual.width != expected.width || actual.height != expected.height) {
        return ::testing::AssertionFailure() << "size " << actual.width << "x" << actual.height << ", expected "
                                             << expected.width << "x" << expected.height;
    }
    for (int y = 0; y < actual.height; ++y) {
        for (int x = 0; x < actual.width; ++x) {
            const uint8_t* a = actual.at(x, y);
            const uint8_t* e = expected.at(x, y);
            for (int c = 0; c < 3; ++c) {
                if (std::abs(a[c] - e[c]) > tolerance) {
                    return ::testing::AssertionFailure()
                           << "pixel (" << x << ", " << y << ") is " << int{a[0]} << "," << int{a[1]} << ","
                           << int{a[2]} << ", expected " << int{e[0]} << "," << int{e[1]} << "," << int{e[2]};
                }
            }
        }
    }
    return ::testing::AssertionSuccess();
}

RgbImage TopRows(const RgbImage& image, int rows)
{
    RgbImage top{image.width, rows, {}};
    top.rgb.assign(image.rgb.begin(), image.rgb.begin() + static_cast<std::ptrdiff_t>(image.width) * rows * 3);
    return top;
}

}  // namespace pictures::testing
