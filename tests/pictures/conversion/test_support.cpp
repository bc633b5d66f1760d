#include "test_support.h"

#include <jpeglib.h>
#include <png.h>
#include <tiffio.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>

#ifdef _WIN32
#include <windows.h>

#include "runtime/text_codec.h"
#else
#include <sys/stat.h>
#endif

namespace conversion_test {
namespace {

std::FILE* OpenFile(const std::string& path, const char* mode)
{
#ifdef _WIN32
    return _wfopen(rt::WideFromGbk(path).c_str(), rt::WideFromGbk(mode).c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

void PutU16(Bytes& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutU32(Bytes& out, uint32_t v)
{
    PutU16(out, v & 0xffff);
    PutU16(out, v >> 16);
}

Bytes BmpHeaders(uint32_t width, int32_t height, unsigned bits, uint32_t dataBytes)
{
    Bytes out{'B', 'M'};
    PutU32(out, 54 + dataBytes);
    PutU32(out, 0);
    PutU32(out, 54);
    for (uint32_t v : {40u, width, static_cast<uint32_t>(height)}) {
        PutU32(out, v);
    }
    PutU16(out, 1);
    PutU16(out, bits);
    for (int i = 0; i < 6; ++i) {
        PutU32(out, 0);
    }
    return out;
}

// Run-length codes one row of PCX values.
void PutPcxRow(Bytes& out, const Bytes& row)
{
    for (size_t i = 0; i < row.size();) {
        size_t run = 1;
        while (i + run < row.size() && run < 63 && row[i + run] == row[i]) {
            ++run;
        }
        if (run > 1 || row[i] >= 0xC0) {
            out.push_back(static_cast<uint8_t>(0xC0 | run));
        }
        out.push_back(row[i]);
        i += run;
    }
}

void SetTempFolder(const std::string& folder)
{
#ifdef _WIN32
    SetEnvironmentVariableW(L"TMP", rt::WideFromGbk(folder).c_str());
    SetEnvironmentVariableW(L"TEMP", rt::WideFromGbk(folder).c_str());
#else
    setenv("TMPDIR", folder.c_str(), 1);
#endif
}

}  // namespace

RgbPicture GradientPicture(uint32_t width, uint32_t height)
{
    RgbPicture p{width, height, Bytes(size_t{width} * height * 3)};
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            uint8_t* px = &p.rgb[(size_t{y} * width + x) * 3];
            px[0] = static_cast<uint8_t>(255 * x / std::max(1u, width - 1));
            px[1] = static_cast<uint8_t>(255 * y / std::max(1u, height - 1));
            px[2] = static_cast<uint8_t>(64 + 128 * (x + 2 * y) / (width + 2 * height));
        }
    }
    return p;
}

Bytes BmpFile(const RgbPicture& picture, bool topDown)
{
    uint32_t rowBytes = (picture.width * 3 + 3) / 4 * 4;
    int32_t height = topDown ? -static_cast<int32_t>(picture.height) : static_cast<int32_t>(picture.height);
    Bytes out = BmpHeaders(picture.width, height, 24, rowBytes * picture.height);
    for (uint32_t i = 0; i < picture.height; ++i) {
        uint32_t y = topDown ? i : picture.height - 1 - i;
        for (uint32_t x = 0; x < picture.width; ++x) {
            const uint8_t* px = picture.at(x, y);
            out.insert(out.end(), {px[2], px[1], px[0]});
        }
        out.resize(out.size() + rowBytes - picture.width * 3);
    }
    return out;
}

Bytes BmpFileOfDepth(unsigned bits, uint32_t width, uint32_t height, size_t minimumSize)
{
    uint32_t rowBytes = (width * bits + 31) / 32 * 4;
    Bytes out = BmpHeaders(width, static_cast<int32_t>(height), bits, rowBytes * height);
    out.resize(std::max(out.size() + size_t{rowBytes} * height, minimumSize), 0x5A);
    return out;
}

Bytes PcxFile(const RgbPicture& picture, unsigned planes)
{
    Bytes out(128);
    uint32_t bytesPerLine = (picture.width + 1) / 2 * 2;
    out[0] = 0x0A;
    out[1] = 5;
    out[2] = 1;
    out[3] = 8;
    out[8] = static_cast<uint8_t>(picture.width - 1);
    out[9] = static_cast<uint8_t>((picture.width - 1) >> 8);
    out[10] = static_cast<uint8_t>(picture.height - 1);
    out[11] = static_cast<uint8_t>((picture.height - 1) >> 8);
    out[65] = static_cast<uint8_t>(planes);
    out[66] = static_cast<uint8_t>(bytesPerLine);
    out[67] = static_cast<uint8_t>(bytesPerLine >> 8);
    for (uint32_t y = 0; y < picture.height; ++y) {
        Bytes row(size_t{bytesPerLine} * planes);
        for (uint32_t x = 0; x < picture.width; ++x) {
            for (unsigned c = 0; c < planes; ++c) {
                row[c * bytesPerLine + x] = picture.at(x, y)[c];
            }
        }
        PutPcxRow(out, row);
    }
    if (planes == 1) {
        out.push_back(0x0C);
        for (unsigned i = 0; i < 256; ++i) {
            out.insert(out.end(),
                       {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), static_cast<uint8_t>(i / 2)});
        }
    }
    return out;
}

// Colour type 0 takes the red samples as grey; alpha channels count up along the row.
void WritePng(const std::string& path, const RgbPicture& picture, int colourType, int bitDepth)
{
    std::FILE* file = OpenFile(path, "wb");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, picture.width, picture.height, bitDepth, colourType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    bool colour = colourType & PNG_COLOR_MASK_COLOR;
    bool alpha = colourType & PNG_COLOR_MASK_ALPHA;
    for (uint32_t y = 0; y < picture.height; ++y) {
        Bytes row;
        for (uint32_t x = 0; x < picture.width; ++x) {
            const uint8_t* px = picture.at(x, y);
            for (int c = 0; c < (colour ? 3 : 1); ++c) {
                row.insert(row.end(), bitDepth / 8, px[c]);
            }
            if (alpha) {
                row.insert(row.end(), bitDepth / 8, static_cast<uint8_t>(x * 16));
            }
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

void WriteTiff(const std::string& path, const RgbPicture& picture)
{
    TIFF* tiff = TIFFOpen(path.c_str(), "w");
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, picture.width);
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, picture.height);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, 4);
    for (uint32_t y = 0; y < picture.height; ++y) {
        TIFFWriteScanline(tiff, const_cast<uint8_t*>(picture.at(0, y)), y, 0);
    }
    TIFFClose(tiff);
}

void WriteBlankTiff(const std::string& path, uint32_t width, uint32_t height, unsigned samples, unsigned bits)
{
    TIFF* tiff = TIFFOpen(path.c_str(), "w");
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, width);
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, height);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, samples);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, bits);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, height);
    std::vector<uint16_t> extra(samples > 3 ? samples - 3 : 0, EXTRASAMPLE_UNASSALPHA);
    if (!extra.empty()) {
        TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, static_cast<uint16_t>(extra.size()), extra.data());
    }
    Bytes row(size_t{width} * samples * bits / 8);
    for (uint32_t y = 0; y < height; ++y) {
        TIFFWriteScanline(tiff, row.data(), y, 0);
    }
    TIFFClose(tiff);
}

Bytes WithTiffTags(Bytes tiff, std::initializer_list<std::pair<uint16_t, uint32_t>> tags)
{
    auto u16 = [&](size_t at) { return static_cast<uint16_t>(tiff.at(at) | tiff.at(at + 1) << 8); };
    auto u32 = [&](size_t at) { return uint32_t{u16(at)} | uint32_t{u16(at + 2)} << 16; };
    EXPECT_EQ(u16(0), 0x4949) << "a little-endian TIFF";
    size_t directory = u32(4);
    for (size_t entry = directory + 2; entry < directory + 2 + 12 * size_t{u16(directory)}; entry += 12) {
        for (auto [tag, value] : tags) {
            if (u16(entry) != tag) {
                continue;
            }
            size_t bytes = u16(entry + 2) == TIFF_SHORT ? 2 : 4;
            for (size_t i = 0; i < bytes; ++i) {
                tiff.at(entry + 8 + i) = static_cast<uint8_t>(value >> (8 * i));
            }
        }
    }
    return tiff;
}

Bytes WithPngSize(Bytes png, uint32_t width, uint32_t height)
{
    // The signature, then the header chunk: length, "IHDR", width and height big-endian, CRC.
    for (int i = 0; i < 4; ++i) {
        png.at(16 + i) = static_cast<uint8_t>(width >> (24 - 8 * i));
        png.at(20 + i) = static_cast<uint8_t>(height >> (24 - 8 * i));
    }
    uint32_t crc = static_cast<uint32_t>(crc32(0, png.data() + 12, 17));
    for (int i = 0; i < 4; ++i) {
        png.at(29 + i) = static_cast<uint8_t>(crc >> (24 - 8 * i));
    }
    return png;
}

void WriteCmykJpeg(const std::string& path, uint32_t width, uint32_t height)
{
    std::FILE* file = OpenFile(path, "wb");
    jpeg_compress_struct c;
    jpeg_error_mgr error;
    c.err = jpeg_std_error(&error);
    jpeg_create_compress(&c);
    jpeg_stdio_dest(&c, file);
    c.image_width = width;
    c.image_height = height;
    c.input_components = 4;
    c.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&c);
    jpeg_start_compress(&c, TRUE);
    Bytes row(size_t{width} * 4, 0x40);
    while (c.next_scanline < height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::fclose(file);
}

void WriteBytes(const std::string& path, const Bytes& bytes)
{
    std::FILE* file = OpenFile(path, "wb");
    ASSERT_NE(file, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

Bytes ReadBytes(const std::string& path)
{
    Bytes bytes;
    if (std::FILE* file = OpenFile(path, "rb")) {
        uint8_t buffer[65536];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
            bytes.insert(bytes.end(), buffer, buffer + got);
        }
        std::fclose(file);
    }
    return bytes;
}

bool FileExists(const std::string& path)
{
#ifdef _WIN32
    return GetFileAttributesW(rt::WideFromGbk(path).c_str()) != INVALID_FILE_ATTRIBUTES;
#else
    struct stat status;
    return stat(path.c_str(), &status) == 0;
#endif
}

DecodedJpeg DecodeJpeg(const std::string& path)
{
    DecodedJpeg out;
    std::FILE* file = OpenFile(path, "rb");
    if (!file) {
        return out;
    }
    jpeg_decompress_struct d;
    jpeg_error_mgr error;
    d.err = jpeg_std_error(&error);
    jpeg_create_decompress(&d);
    jpeg_stdio_src(&d, file);
    jpeg_read_header(&d, TRUE);
    jpeg_start_decompress(&d);
    out.width = d.output_width;
    out.height = d.output_height;
    out.components = d.output_components;
    out.pixels.resize(size_t{out.width} * out.height * out.components);
    while (d.output_scanline < d.output_height) {
        JSAMPROW row = &out.pixels[size_t{d.output_scanline} * out.width * out.components];
        jpeg_read_scanlines(&d, &row, 1);
    }
    jpeg_finish_decompress(&d);
    jpeg_destroy_decompress(&d);
    std::fclose(file);
    return out;
}

int LargestDifference(const DecodedJpeg& decoded, const RgbPicture& reference)
{
    if (decoded.width != reference.width || decoded.height != reference.height || decoded.components != 3) {
        return 256;
    }
    int largest = 0;
    for (size_t i = 0; i < reference.rgb.size(); ++i) {
        largest = std::max(largest, std::abs(decoded.pixels[i] - reference.rgb[i]));
    }
    return largest;
}

void ScratchFolderTest::SetUp()
{
    static const std::filesystem::path base = std::filesystem::temp_directory_path();
    std::random_device seed;
    std::filesystem::path folder;
    do {
        folder = base / ("zorvi-conversion-" + std::to_string(seed()));
    } while (!std::filesystem::create_directory(folder));
    folder_ = folder.string() + static_cast<char>(std::filesystem::path::preferred_separator);
    SetTempFolder(folder_);
}

// After the fixture's own members, which may still hold buffers in the folder, are gone.
ScratchFolderTest::~ScratchFolderTest()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::vector<std::string> ScratchFolderTest::tempFiles() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
        std::string name = entry.path().filename().string();
        if (name.rfind("QMRCLASS", 0) == 0) {
            names.push_back(name);
        }
    }
    return names;
}

}  // namespace conversion_test
