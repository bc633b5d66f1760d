#include "tests/end_to_end/test_pictures.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

#include "pictures/decoding/picture.h"
#include "pictures/decoding/picture_decode.h"

namespace end_to_end {
namespace {

constexpr int kPaletteSize = 256;

uint8_t Clamp(double value) { return static_cast<uint8_t>(std::lround(std::fmin(255.0, std::fmax(0.0, value)))); }

// The smooth palette: entry i runs from deep blue through green to warm light.
void PaletteEntry(int i, uint8_t rgb[3])
{
    const double t = i / 255.0;
    rgb[0] = Clamp(30 + 200 * t);
    rgb[1] = Clamp(60 + 150 * std::sin(t * 3.14159));
    rgb[2] = Clamp(200 - 160 * t);
}

int PaletteIndexOf(const uint8_t* rgb)
{
    for (int i = 0; i < kPaletteSize; ++i) {
        uint8_t entry[3];
        PaletteEntry(i, entry);
        if (entry[0] == rgb[0] && entry[1] == rgb[1] && entry[2] == rgb[2]) {
            return i;
        }
    }
    throw std::runtime_error("a colour outside the GIF palette");
}

std::FILE* OpenForWriting(const std::filesystem::path& path)
{
    std::FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
    return file;
}

void Put16(std::string& bytes, unsigned value)
{
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8 & 0xFF);
}

void Put32(std::string& bytes, uint32_t value)
{
    Put16(bytes, value & 0xFFFF);
    Put16(bytes, value >> 16);
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

// LZW codes of 9 bits, least significant bit first, in sub-blocks of at most 255 bytes.
class GifCodeWriter {
public:
    void Put(unsigned code)
    {
        bits_ |= code << count_;
        count_ += kCodeBits;
        while (count_ >= 8) {
            packed_ += static_cast<char>(bits_ & 0xFF);
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    std::string Blocks()
    {
        if (count_ > 0) {
            packed_ += static_cast<char>(bits_ & 0xFF);
            count_ = 0;
        }
        std::string blocks;
        for (size_t at = 0; at < packed_.size(); at += 255) {
            const size_t length = std::min<size_t>(255, packed_.size() - at);
            blocks += static_cast<char>(length);
            blocks += packed_.substr(at, length);
        }
        return blocks + '\0';
    }

private:
    static constexpr unsigned kCodeBits = 9;
    uint32_t bits_ = 0;
    unsigned count_ = 0;
    std::string packed_;
};

}  // namespace

RgbPicture PhotoLike(int width, int height, int variant)
{
    RgbPicture picture{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 3)};
    uint32_t noise = 12345u + static_cast<uint32_t>(variant);
    const double shift = variant * 1.7;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const double grain = static_cast<int>(noise >> 29) - 3.5;  // the same in every channel
            const double u = static_cast<double>(x) / width;
            const double v = static_cast<double>(y) / height;
            uint8_t* p = picture.at(x, y);
            p[0] = Clamp(50 + 150 * u + 25 * std::sin(y / 37.0 + shift) + grain);
            p[1] = Clamp(70 + 110 * v + 20 * std::sin((x + y) / 53.0 - shift) + grain);
            p[2] = Clamp(190 - 120 * u * v + 15 * std::cos(x / 29.0 + shift) + grain);
        }
    }
    return picture;
}

RgbPicture PaletteLike(int width, int height)
{
    RgbPicture picture{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 3)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double t = 0.45 * x / width + 0.45 * y / height + 0.05 * (1 + std::sin(x / 23.0 + y / 31.0));
            PaletteEntry(static_cast<int>(t * 255), picture.at(x, y));
        }
    }
    return picture;
}

RgbPicture Enlarged(const RgbPicture& picture, int factor)
{
    RgbPicture large{picture.width * factor, picture.height * factor,
                     std::vector<uint8_t>(picture.rgb.size() * factor * factor)};
    for (int y = 0; y < large.height; ++y) {
        for (int x = 0; x < large.width; ++x) {
            std::copy_n(picture.at(x / factor, y / factor), 3, large.at(x, y));
        }
    }
    return large;
}

void WriteBmp(const std::filesystem::path& path, const RgbPicture& picture)
{
    const uint32_t stride = (static_cast<uint32_t>(picture.width) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = stride * static_cast<uint32_t>(picture.height);
    std::string bytes = "BM";
    Put32(bytes, 54 + pixelBytes);
    Put32(bytes, 0);
    Put32(bytes, 54);
    Put32(bytes, 40);
    Put32(bytes, static_cast<uint32_t>(picture.width));
    Put32(bytes, static_cast<uint32_t>(picture.height));
    Put16(bytes, 1);
    Put16(bytes, 24);
    for (int i = 0; i < 6; ++i) {
        Put32(bytes, 0);
    }
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const uint8_t* p = picture.at(x, y);
            bytes += static_cast<char>(p[2]);
            bytes += static_cast<char>(p[1]);
            bytes += static_cast<char>(p[0]);
        }
        bytes.append(stride - static_cast<uint32_t>(picture.width) * 3, '\0');
    }
    WriteBytes(path, bytes);
}

void WritePng(const std::filesystem::path& path, const RgbPicture& picture)
{
    std::FILE* file = OpenForWriting(path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        throw std::runtime_error("cannot write the PNG " + path.string());
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < picture.height; ++y) {
        png_write_row(png, picture.at(0, y));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

void WriteJpeg(const std::filesystem::path& path, const RgbPicture& picture, int quality)
{
    std::FILE* file = OpenForWriting(path);
    jpeg_compress_struct compress{};
    jpeg_error_mgr errors{};
    compress.err = jpeg_std_error(&errors);
    jpeg_create_compress(&compress);
    jpeg_stdio_dest(&compress, file);
    compress.image_width = static_cast<JDIMENSION>(picture.width);
    compress.image_height = static_cast<JDIMENSION>(picture.height);
    compress.input_components = 3;
    compress.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compress);
    jpeg_set_quality(&compress, quality, TRUE);
    jpeg_start_compress(&compress, TRUE);
    while (compress.next_scanline < compress.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(picture.at(0, static_cast<int>(compress.next_scanline)));
        jpeg_write_scanlines(&compress, &row, 1);
    }
    jpeg_finish_compress(&compress);
    jpeg_destroy_compress(&compress);
    std::fclose(file);
}

void WriteGif(const std::filesystem::path& path, const RgbPicture& picture)
{
    constexpr unsigned kClear = 256;
    constexpr unsigned kEnd = 257;
    // Literal codes only, and a clear before the table would need 10-bit codes.
    constexpr int kLiteralsPerClear = 254;
    std::string bytes = "GIF89a";
    Put16(bytes, static_cast<unsigned>(picture.width));
    Put16(bytes, static_cast<unsigned>(picture.height));
    bytes += static_cast<char>(0xF7);  // a global table of 256 entries
    bytes.append(2, '\0');
    for (int i = 0; i < kPaletteSize; ++i) {
        uint8_t entry[3];
        PaletteEntry(i, entry);
        bytes.append(reinterpret_cast<const char*>(entry), 3);
    }
    bytes += ',';
    Put16(bytes, 0);
    Put16(bytes, 0);
    Put16(bytes, static_cast<unsigned>(picture.width));
    Put16(bytes, static_cast<unsigned>(picture.height));
    bytes += '\0';
    bytes += '\x08';  // minimum code size
    GifCodeWriter codes;
    std::map<uint32_t, int> indexOf;
    int sinceClear = kLiteralsPerClear;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (sinceClear == kLiteralsPerClear) {
                codes.Put(kClear);
                sinceClear = 0;
            }
            const uint8_t* p = picture.at(x, y);
            const uint32_t key = uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
            auto found = indexOf.find(key);
            if (found == indexOf.end()) {
                found = indexOf.emplace(key, PaletteIndexOf(p)).first;
            }
            codes.Put(static_cast<unsigned>(found->second));
            ++sinceClear;
        }
    }
    codes.Put(kEnd);
    bytes += codes.Blocks();
    bytes += ';';
    WriteBytes(path, bytes);
}

RgbPicture DecodeJpegFile(const std::filesystem::path& path)
{
    const std::wstring wide = path.wstring();
    std::string gbk(wide.size() * 2 + 1, '\0');
    gbk.resize(static_cast<size_t>(WideCharToMultiByte(936, 0, wide.c_str(), static_cast<int>(wide.size()), gbk.data(),
                                                       static_cast<int>(gbk.size()), nullptr, nullptr)));
    pictures::OwnedPicture decoded = pictures::DecodePictureFile(gbk);
    if (!decoded || decoded->kind != pictures::PictureKind::kJpeg) {
        return {};
    }
    // B, G, R rows from the bottom, without padding.
    RgbPicture picture{decoded->width, decoded->height,
                       std::vector<uint8_t>(static_cast<size_t>(decoded->width) * decoded->height * 3)};
    for (int y = 0; y < picture.height; ++y) {
        const uint8_t* row = decoded->data + static_cast<size_t>(picture.height - 1 - y) * picture.width * 3;
        for (int x = 0; x < picture.width; ++x) {
            uint8_t* p = picture.at(x, y);
            p[0] = row[x * 3 + 2];
            p[1] = row[x * 3 + 1];
            p[2] = row[x * 3];
        }
    }
    return picture;
}

COLORREF ButtonFace() { return GetSysColor(COLOR_BTNFACE); }

}  // namespace end_to_end
