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

// Index of pixel (x, y) in a palette picture, and the colours of the palette entries.
unsigned IndexAt(int x, int y, unsigned bits) { return static_cast<unsigned>(3 * x + 5 * y + 1) % (1u << bits); }
uint8_t PaletteRed(unsigned i) { return static_cast<uint8_t>(i * 37 + 11); }
uint8_t PaletteGreen(unsigned i) { return static_cast<uint8_t>(i * 91 + 5); }
uint8_t PaletteBlue(unsigned i) { return static_cast<uint8_t>(i * 151 + 3); }
// Byte c (B, G, R) of pixel (x, y) in a 24 or 32-bit picture.
uint8_t DirectByte(int x, int y, int c) { return static_cast<uint8_t>(40 * x + 70 * y + 90 * c + x * y); }

void Put32(std::vector<uint8_t>& data, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        data[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

std::vector<uint8_t> HandMadeRow(unsigned bits, int width, int y)
{
    std::vector<uint8_t> row;
    unsigned accumulator = 0;
    unsigned filled = 0;
    for (int x = 0; x < width; ++x) {
        if (bits > 8) {
            for (int c = 0; c < static_cast<int>(bits / 8); ++c) {
                row.push_back(DirectByte(x, y, c));
            }
            continue;
        }
        accumulator = accumulator << bits | IndexAt(x, y, bits);
        filled += bits;
        if (filled == 8) {
            row.push_back(static_cast<uint8_t>(accumulator));
            accumulator = filled = 0;
        }
    }
    if (filled) {
        row.push_back(static_cast<uint8_t>(accumulator << (8 - filled)));
    }
    row.resize((row.size() + 3) / 4 * 4);
    return row;
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

std::vector<uint8_t> HandMadeBmp(unsigned bits, int width, int height, uint32_t compression)
{
    uint32_t colours = bits <= 8 ? 1u << bits : 0;
    uint32_t offset = 54 + 4 * colours;
    std::vector<uint8_t> data(offset);
    for (int y = height - 1; y >= 0; --y) {
        std::vector<uint8_t> row = HandMadeRow(bits, width, y);
        data.insert(data.end(), row.begin(), row.end());
    }
    data[0] = 'B';
    data[1] = 'M';
    Put32(data, 2, static_cast<uint32_t>(data.size()));
    Put32(data, 10, offset);
    Put32(data, 14, 40);
    Put32(data, 18, static_cast<uint32_t>(width));
    Put32(data, 22, static_cast<uint32_t>(height));
    data[26] = 1;
    data[28] = static_cast<uint8_t>(bits);
    Put32(data, 30, compression);
    for (unsigned i = 0; i < colours; ++i) {
        data[54 + 4 * i] = PaletteBlue(i);
        data[55 + 4 * i] = PaletteGreen(i);
        data[56 + 4 * i] = PaletteRed(i);
    }
    return data;
}

RgbImage HandMadeBmpPixels(unsigned bits, int width, int height)
{
    RgbImage image = Blank(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (bits <= 8) {
                unsigned i = IndexAt(x, y, bits);
                PutRgb(image, x, y, PaletteRed(i), PaletteGreen(i), PaletteBlue(i));
            } else {
                PutRgb(image, x, y, DirectByte(x, y, 2), DirectByte(x, y, 1), DirectByte(x, y, 0));
            }
        }
    }
    return image;
}

}  // namespace pictures::testing
