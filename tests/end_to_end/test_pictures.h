// The pictures the end-to-end tests open: photo-like colour gradients of odd sizes, written in the
// formats the program reads, and picture files decoded again for comparing pieces.
#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace end_to_end {

// R, G, B rows from the top.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;

    const uint8_t* at(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
    uint8_t* at(int x, int y) { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
};

// Smooth light and colour changing across the picture with a fine texture, as a photograph has;
// the variant makes pictures that differ everywhere.
RgbPicture PhotoLike(int width, int height, int variant = 0);
// A photo-like picture of at most 256 colours from a smooth palette, as a GIF holds it.
RgbPicture PaletteLike(int width, int height);
// Every pixel repeated factor times in both directions.
RgbPicture Enlarged(const RgbPicture& picture, int factor);

void WriteBmp(const std::filesystem::path& path, const RgbPicture& picture);
void WritePng(const std::filesystem::path& path, const RgbPicture& picture);
void WriteJpeg(const std::filesystem::path& path, const RgbPicture& picture, int quality);
// The picture must come from PaletteLike.
void WriteGif(const std::filesystem::path& path, const RgbPicture& picture);

// A JPEG file decoded by the picture decoder the tests link; an empty picture when it does not decode.
RgbPicture DecodeJpegFile(const std::filesystem::path& path);

// The colour of a cleared drawing board: the system's button face.
COLORREF ButtonFace();

}  // namespace end_to_end
