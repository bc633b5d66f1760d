// DrawPicture: a picture drawn at a point, stretched to a size, with a raster operation or with one
// colour left transparent.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "controls/board/board_unit.h"
#include "pictures/decoding/picture_render.h"
#include "runtime/win32/owned_handles.h"

namespace rt::units {
namespace {

// The picture with the transparent colour left out: target ^= picture, target &= mask (0 where the
// picture is opaque), target ^= picture, all stretched to the target rectangle.
void DrawTransparent(HDC target, const pictures::RenderedPicture& rendered, RECT to, COLORREF transparent)
{
    int width = rendered.width();
    int height = rendered.height();
    MemoryDc source(target);
    ScopedSelection picture(source.get(), rendered.bitmap());
    UniqueBitmap mask(CreateBitmap(width, height, 1, 1, nullptr));
    MemoryDc maskDc(target);
    ScopedSelection maskSelection(maskDc.get(), mask.get());
    if (!picture.ok() || !mask || !maskSelection.ok()) {
        return;
    }
    // Pixels of the transparent colour become 1 bits of the mask, all others 0 bits.
    SetBkColor(source.get(), transparent);
    BitBlt(maskDc.get(), 0, 0, width, height, source.get(), 0, 0, SRCCOPY);
    // A one-bit source paints its 0 bits in the text colour and its 1 bits in the background.
    COLORREF oldText = SetTextColor(target, RGB(0, 0, 0));
    COLORREF oldBack = SetBkColor(target, RGB(255, 255, 255));
    int w = to.right - to.left;
    int h = to.bottom - to.top;
    StretchBlt(target, to.left, to.top, w, h, source.get(), 0, 0, width, height, SRCINVERT);
    StretchBlt(target, to.left, to.top, w, h, maskDc.get(), 0, 0, width, height, SRCAND);
    StretchBlt(target, to.left, to.top, w, h, source.get(), 0, 0, width, height, SRCINVERT);
    SetTextColor(target, oldText);
    SetBkColor(target, oldBack);
}

// JPEG and BMP pictures hold B,G,R rows bottom-up: when no row needs padding they are a DIB as
// they are. At natural size (nothing to stretch) they go straight into the target, the same pixels
// as through a device bitmap without making one first: the split draws a whole picture per piece.
bool IsDirectRows(const pictures::Picture& picture, SIZE size)
{
    bool colourRows = picture.kind == pictures::PictureKind::kJpeg || picture.kind == pictures::PictureKind::kBmp;
    uint64_t rowBytes = static_cast<uint64_t>(picture.width) * 3;
    return colourRows && picture.data && rowBytes % 4 == 0 && size.cx == picture.width && size.cy == picture.height &&
           picture.dataSize >= rowBytes * static_cast<uint64_t>(picture.height);
}

BITMAPINFO BottomUpRows(int width, int height, WORD bitCount)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bitCount;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// One row of B,G,R samples as B,G,R,0 words. Four bytes are loaded at a time; the row's last
// pixel is assembled bytewise, so nothing past the row is read.
void WidenRow(const uint8_t* in, uint32_t* out, int width)
{
    for (int x = 0; x + 1 < width; ++x, in += 3) {
        uint32_t word;
        std::memcpy(&word, in, sizeof word);
        out[x] = word & 0x00ffffff;
    }
    if (width > 0) {
        out[width - 1] = in[0] | in[1] << 8 | in[2] << 16;
    }
}

// On a 32-bit target the rows are widened to B,G,R,0 here, a band at a time: the system's own
// conversion of a whole 24-bit picture costs more than the widening and a same-format copy.
void DrawWidenedRows(HDC target, const pictures::Picture& picture, POINT at, DWORD rasterOperation)
{
    constexpr int kBandRows = 64;
    int width = picture.width;
    std::vector<uint32_t> band(static_cast<size_t>(width) * kBandRows);
    const uint8_t* rows = static_cast<const uint8_t*>(picture.data);
    size_t rowBytes = static_cast<size_t>(width) * 3;
    // Bands from the bottom row up, so each band is itself bottom-up.
    for (int bottom = 0; bottom < picture.height; bottom += kBandRows) {
        int count = std::min(kBandRows, picture.height - bottom);
        for (int r = 0; r < count; ++r) {
            const uint8_t* in = rows + (bottom + r) * rowBytes;
            uint32_t* out = band.data() + static_cast<size_t>(r) * width;
            WidenRow(in, out, width);
        }
        BITMAPINFO info = BottomUpRows(width, count, 32);
        int top = at.y + picture.height - bottom - count;
        StretchDIBits(target, at.x, top, width, count, 0, 0, width, count, band.data(), &info, DIB_RGB_COLORS,
                      rasterOperation);
    }
}

void DrawRows(HDC target, const pictures::Picture& picture, POINT at, DWORD rasterOperation)
{
    if (GetDeviceCaps(target, BITSPIXEL) == 32) {
        DrawWidenedRows(target, picture, at, rasterOperation);
        return;
    }
    BITMAPINFO info = BottomUpRows(picture.width, picture.height, 24);
    StretchDIBits(target, at.x, at.y, picture.width, picture.height, 0, 0, picture.width, picture.height, picture.data,
                  &info, DIB_RGB_COLORS, rasterOperation);
}

}  // namespace

void BoardUnit::drawPicture(const pictures::Picture& picture, const PictureRequest& request)
{
    UnitConverter converter(handle_, options_.CoordinateUnit);
    POINT at = converter.toPixels(POINT{request.x, request.y});
    SIZE size{picture.width, picture.height};
    if (request.width) {
        size.cx = converter.toPixels(SIZE{*request.width, 0}).cx;
    }
    if (request.height) {
        size.cy = converter.toPixels(SIZE{0, *request.height}).cy;
    }
    int32_t copyMode = request.copyMode.value_or(1);
    DrawingSetup setup = drawingSetup();
    // Positions and sizes are pixels already: each prepared context goes back to pixel mode,
    // keeping its stretch mode.
    if (copyMode >= 0 && IsDirectRows(picture, size)) {
        forEachTarget([&](HDC dc) {
            PreparedContext prepared(dc, setup);
            SetMapMode(dc, MM_TEXT);
            DrawRows(dc, picture, at, CopyModeRasterOperation(copyMode));
        });
        return;
    }
    WindowDc window(handle_);
    pictures::RenderedPicture rendered = pictures::RenderPicture(picture, bitmap_ ? bitmap_->dc() : window.get());
    if (!rendered) {
        return;
    }
    // Icons keep their own transparency whatever the copy mode.
    bool transparent = copyMode < 0 && !rendered.icon();
    auto transparentColour = static_cast<COLORREF>(-int64_t{copyMode} & 0x00ffffff);
    DWORD operation = copyMode < 0 ? SRCCOPY : CopyModeRasterOperation(copyMode);
    forEachTarget([&](HDC dc) {
        PreparedContext prepared(dc, setup);
        SetMapMode(dc, MM_TEXT);
        if (transparent) {
            DrawTransparent(dc, rendered, RECT{at.x, at.y, at.x + size.cx, at.y + size.cy}, transparentColour);
        } else {
            rendered.Draw(dc, at.x, at.y, size.cx, size.cy, operation);
        }
    });
}

}  // namespace rt::units
