// The benchmark's floor: what a plain libjpeg-turbo program needs for the split, one thread, no
// runtime, no windows. It also makes the benchmark's pictures.
//   split_floor picture WIDTH HEIGHT QUALITY OUT.jpg
//       a photograph-like picture (the benchmarks' sample, scaled to the size) at that quality
//   split_floor split IN.jpg ROWS COLUMNS PREFIX
//       decodes IN once and writes its rows x columns cells, in reading order, as PREFIX-1.jpg,
//       PREFIX-2.jpg, ... at quality 100 with optimised Huffman tables, the program's settings and
//       cells (by count: each cell trunc(width / columns) x trunc(height / rows)); prints the seconds
//       from reading IN to the last file closed
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "tools/bench/photo_sample.h"

namespace {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // rows top-down
};

[[noreturn]] void Fail(const std::string& message)
{
    std::fprintf(stderr, "split_floor: %s\n", message.c_str());
    std::exit(1);
}

std::vector<uint8_t> ReadAll(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        Fail("cannot read " + path);
    }
    std::vector<uint8_t> bytes;
    uint8_t buffer[1 << 16];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    std::fclose(file);
    return bytes;
}

Picture Decode(const std::vector<uint8_t>& jpeg)
{
    jpeg_decompress_struct d{};
    jpeg_error_mgr errors{};
    d.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&d);
    jpeg_mem_src(&d, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&d, TRUE);
    d.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d);
    Picture picture;
    picture.width = static_cast<int>(d.output_width);
    picture.height = static_cast<int>(d.output_height);
    picture.rgb.resize(size_t{d.output_width} * d.output_height * 3);
    while (d.output_scanline < d.output_height) {
        JSAMPROW row = picture.rgb.data() + size_t{d.output_scanline} * d.output_width * 3;
        jpeg_read_scanlines(&d, &row, 1);
    }
    jpeg_finish_decompress(&d);
    jpeg_destroy_decompress(&d);
    return picture;
}

// Rows of the picture from (x, y), width x height, at the quality; optimised tables when asked.
void Encode(jpeg_compress_struct& c, const std::string& path, const Picture& picture, int x, int y, int width,
            int height, int quality, bool optimise)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        Fail("cannot write " + path);
    }
    jpeg_stdio_dest(&c, file);
    c.image_width = static_cast<JDIMENSION>(width);
    c.image_height = static_cast<JDIMENSION>(height);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    c.optimize_coding = optimise ? TRUE : FALSE;
    c.smoothing_factor = 0;
    jpeg_set_quality(&c, quality, TRUE);
    jpeg_start_compress(&c, TRUE);
    size_t stride = size_t(picture.width) * 3;
    while (c.next_scanline < c.image_height) {
        auto* row = const_cast<uint8_t*>(picture.rgb.data() + (y + c.next_scanline) * stride + size_t(x) * 3);
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    std::fclose(file);
}

int MakePicture(int width, int height, int quality, const std::string& out)
{
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.rgb.resize(size_t(width) * height * 3);
    uint32_t noise = 12345;
    for (int y = 0; y < height; ++y) {
        int sampleY = static_cast<int>(int64_t{y} * bench::kPhotoHeight / height);
        for (int x = 0; x < width; ++x) {
            int sampleX = static_cast<int>(int64_t{x} * bench::kPhotoWidth / width);
            for (int channel = 0; channel < 3; ++channel) {
                picture.rgb[(size_t(y) * width + x) * 3 + channel] =
                    bench::PhotoSample(sampleX, sampleY, channel, noise);
            }
        }
    }
    jpeg_compress_struct c{};
    jpeg_error_mgr errors{};
    c.err = jpeg_std_error(&errors);
    jpeg_create_compress(&c);
    Encode(c, out, picture, 0, 0, width, height, quality, false);
    jpeg_destroy_compress(&c);
    return 0;
}

int Split(const std::string& in, int rows, int columns, const std::string& prefix)
{
    auto start = std::chrono::steady_clock::now();
    Picture picture = Decode(ReadAll(in));
    int cellWidth = picture.width / columns;
    int cellHeight = picture.height / rows;
    if (cellWidth < 1 || cellHeight < 1) {
        Fail("the picture is too small for the grid");
    }
    jpeg_compress_struct c{};
    jpeg_error_mgr errors{};
    c.err = jpeg_std_error(&errors);
    jpeg_create_compress(&c);
    int n = 0;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            std::string path = prefix + "-" + std::to_string(++n) + ".jpg";
            Encode(c, path, picture, column * cellWidth, row * cellHeight, cellWidth, cellHeight, 100, true);
        }
    }
    jpeg_destroy_compress(&c);
    std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::printf("%.3f\n", seconds.count());
    return 0;
}

int Number(const char* text)
{
    char* end = nullptr;
    long value = std::strtol(text, &end, 10);
    if (*end || value < 1 || value > 100000) {
        Fail(std::string("not a count: ") + text);
    }
    return static_cast<int>(value);
}

}  // namespace

int main(int argc, char** argv)
{
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "picture" && argc == 6) {
        return MakePicture(Number(argv[2]), Number(argv[3]), Number(argv[4]), argv[5]);
    }
    if (command == "split" && argc == 6) {
        return Split(argv[2], Number(argv[3]), Number(argv[4]), argv[5]);
    }
    std::fprintf(stderr,
                 "usage: split_floor picture WIDTH HEIGHT QUALITY OUT.jpg\n"
                 "       split_floor split IN.jpg ROWS COLUMNS PREFIX\n");
    return 2;
}
