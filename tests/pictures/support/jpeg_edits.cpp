#include "jpeg_edits.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

namespace pictures::testing {
namespace {

constexpr uint8_t kMarker = 0xFF;
constexpr uint8_t kStartOfScan = 0xDA;
constexpr uint8_t kEndOfImage = 0xD9;
constexpr uint8_t kComment = 0xFE;
constexpr size_t kLargestSegment = 65535;

size_t FindMarker(const JpegBytes& jpeg, uint8_t code, bool last)
{
    size_t found = jpeg.size();
    for (size_t i = 2; i + 1 < jpeg.size(); ++i) {
        if (jpeg[i] == kMarker && jpeg[i + 1] == code) {
            found = i;
            if (!last) {
                break;
            }
        }
    }
    if (found == jpeg.size()) {
        throw std::runtime_error("JPEG marker missing");
    }
    return found;
}

}  // namespace

JpegBytes MakeJpeg(uint32_t width, uint32_t height, bool progressive, bool fullChroma)
{
    jpeg_compress_struct c;
    jpeg_error_mgr error;
    c.err = jpeg_std_error(&error);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &out, &size);
    c.image_width = width;
    c.image_height = height;
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 90, TRUE);
    if (fullChroma) {
        c.comp_info[0].h_samp_factor = 1;
        c.comp_info[0].v_samp_factor = 1;
    }
    if (progressive) {
        jpeg_simple_progression(&c);
    }
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> row(size_t{width} * 3);
    while (c.next_scanline < height) {
        for (uint32_t x = 0; x < width; ++x) {
            row[3 * x] = static_cast<uint8_t>(x * 255 / std::max(1u, width - 1));
            row[3 * x + 1] = static_cast<uint8_t>(c.next_scanline * 255 / std::max(1u, height - 1));
            row[3 * x + 2] = static_cast<uint8_t>((x + c.next_scanline) * 7);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&c, rows, 1);
    }
    jpeg_finish_compress(&c);
    JpegBytes bytes(out, out + size);
    jpeg_destroy_compress(&c);
    std::free(out);
    return bytes;
}

JpegBytes WithFrameSize(JpegBytes jpeg, uint16_t width, uint16_t height)
{
    for (size_t i = 2; i + 9 < jpeg.size(); ++i) {
        if (jpeg[i] == kMarker && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) {
            jpeg[i + 5] = static_cast<uint8_t>(height >> 8);
            jpeg[i + 6] = static_cast<uint8_t>(height);
            jpeg[i + 7] = static_cast<uint8_t>(width >> 8);
            jpeg[i + 8] = static_cast<uint8_t>(width);
            return jpeg;
        }
    }
    throw std::runtime_error("no frame header");
}

JpegBytes WithLastScanRepeated(const JpegBytes& jpeg, int copies)
{
    size_t scan = FindMarker(jpeg, kStartOfScan, true);
    size_t end = FindMarker(jpeg, kEndOfImage, true);
    JpegBytes edited(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(end));
    for (int i = 0; i < copies; ++i) {
        edited.insert(edited.end(), jpeg.begin() + static_cast<std::ptrdiff_t>(scan),
                      jpeg.begin() + static_cast<std::ptrdiff_t>(end));
    }
    edited.insert(edited.end(), jpeg.begin() + static_cast<std::ptrdiff_t>(end), jpeg.end());
    return edited;
}

JpegBytes PaddedWithComments(const JpegBytes& jpeg, size_t size)
{
    JpegBytes comments;
    while (jpeg.size() + comments.size() < size) {
        // A segment is its marker, then a length that counts itself and the text.
        size_t missing = size - jpeg.size() - comments.size();
        size_t length = std::clamp<size_t>(missing > 2 ? missing - 2 : 0, 2, kLargestSegment);
        comments.insert(comments.end(),
                        {kMarker, kComment, static_cast<uint8_t>(length >> 8), static_cast<uint8_t>(length)});
        comments.resize(comments.size() + length - 2, 'x');
    }
    JpegBytes padded(jpeg.begin(), jpeg.begin() + 2);
    padded.insert(padded.end(), comments.begin(), comments.end());
    padded.insert(padded.end(), jpeg.begin() + 2, jpeg.end());
    return padded;
}

}  // namespace pictures::testing
