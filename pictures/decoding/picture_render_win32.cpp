// Device bitmaps from picture data: a 24-bit DIB for JPEG and BMP pictures, the packed DIB for GIF
// (placed at the top-left of a bitmap of the logical screen's size) and 8-bit PCX, a one-bit
// bitmap for monochrome PCX; icons and cursors are drawn from their icon.
#include <cstring>
#include <cstdlib>

#include "pictures/decoding/packed_dib.h"
#include "pictures/decoding/picture_render.h"

namespace pictures {
namespace {

bool DataHolds(const Picture& p, uint64_t bytes) { return p.data && p.dataSize >= bytes; }

// Rows of B,G,R bottom-up, padded to 4 bytes for the DIB unless they already are.
rt::UniqueBitmap FromColourRows(const Picture& p, HDC dc)
{
    size_t row = static_cast<size_t>(p.width) * 3;
    size_t padded = (static_cast<size_t>(p.width) * 24 + 31) / 32 * 4;
    size_t height = static_cast<size_t>(p.height);
    if (!DataHolds(p, uint64_t{row} * height)) return nullptr;
    HeapBlock copy;
    const uint8_t* bits = p.data;
    if (padded != row) {
        copy = AllocateBlock(uint64_t{padded} * height);
        if (!copy) return nullptr;
        for (size_t y = 0; y < height; ++y) std::memcpy(copy.get() + y * padded, p.data + y * row, row);
        bits = copy.get();
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = p.width;
    info.bmiHeader.biHeight = p.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return rt::UniqueBitmap(CreateDIBitmap(dc, &info.bmiHeader, CBM_INIT, bits, &info, DIB_RGB_COLORS));
}

struct FrameBitmap {
    rt::UniqueBitmap bitmap;
    int width = 0;
    int height = 0;
};

FrameBitmap FromPackedDib(const Picture& p, HDC dc)
{
    FrameBitmap frame;
    if (!DataHolds(p, kDibPixelsOffset)) return frame;
    const auto* info = reinterpret_cast<const BITMAPINFO*>(p.data);
    frame.width = info->bmiHeader.biWidth;
    frame.height = std::abs(info->bmiHeader.biHeight);
    if (frame.width <= 0 || frame.height <= 0 ||
        !DataHolds(p, kDibPixelsOffset + uint64_t{PackedDibRowBytes(frame.width)} * frame.height)) {
        return frame;
    }
    frame.bitmap.reset(CreateDIBitmap(dc, &info->bmiHeader, CBM_INIT, p.data + kDibPixelsOffset, info, DIB_RGB_COLORS));
    return frame;
}

// The frame at (0, 0) of a black bitmap of the logical screen's size.
rt::UniqueBitmap OntoScreen(const Picture& p, HDC dc)
{
    FrameBitmap frame = FromPackedDib(p, dc);
    if (!frame.bitmap) return nullptr;
    rt::UniqueBitmap screen(CreateCompatibleBitmap(dc, p.width, p.height));
    if (!screen) return nullptr;
    rt::MemoryDc target(dc);
    rt::MemoryDc source(dc);
    rt::ScopedSelection intoTarget(target.get(), screen.get());
    rt::ScopedSelection intoSource(source.get(), frame.bitmap.get());
    if (!intoTarget.ok() || !intoSource.ok()) return nullptr;
    PatBlt(target.get(), 0, 0, p.width, p.height, BLACKNESS);
    BitBlt(target.get(), 0, 0, frame.width, frame.height, source.get(), 0, 0, SRCCOPY);
    return screen;
}

// One bit per pixel, rows padded to 2 bytes, as CreateBitmap takes them.
rt::UniqueBitmap FromMonochromeBits(const Picture& p)
{
    uint64_t row = (static_cast<uint64_t>(p.width) + 15) / 16 * 2;
    if (!DataHolds(p, row * static_cast<uint64_t>(p.height))) return nullptr;
    return rt::UniqueBitmap(CreateBitmap(p.width, p.height, 1, 1, p.data));
}

}  // namespace

RenderedPicture::RenderedPicture(rt::UniqueBitmap bitmap, int width, int height, bool monochrome)
    : bitmap_(std::move(bitmap)), monochrome_(monochrome), width_(width), height_(height)
{
}

RenderedPicture::RenderedPicture(HICON icon, int width, int height) : icon_(icon), width_(width), height_(height) {}

bool RenderedPicture::Draw(HDC target, int x, int y, int width, int height, DWORD rasterOperation) const
{
    if (icon_) return DrawIconEx(target, x, y, icon_, width, height, 0, nullptr, DI_NORMAL) != FALSE;
    if (!bitmap_ || !target) return false;
    rt::MemoryDc source(target);
    rt::ScopedSelection selection(source.get(), bitmap_.get());
    if (!selection.ok()) return false;
    // A one-bit source takes the target's text colour for 0 bits and its background for 1 bits.
    COLORREF oldText = monochrome_ ? SetTextColor(target, RGB(0, 0, 0)) : CLR_INVALID;
    COLORREF oldBack = monochrome_ ? SetBkColor(target, RGB(255, 255, 255)) : CLR_INVALID;
    BOOL drawn = StretchBlt(target, x, y, width, height, source.get(), 0, 0, width_, height_, rasterOperation);
    if (monochrome_) {
        SetTextColor(target, oldText);
        SetBkColor(target, oldBack);
    }
    return drawn != FALSE;
}

rt::UniqueBitmap RenderedPicture::TakeBitmap()
{
    icon_ = nullptr;
    return std::move(bitmap_);
}

RenderedPicture RenderPicture(const Picture& p, HDC dc)
{
    if (!dc || p.width <= 0 || p.height <= 0) return {};
    switch (p.kind) {
    case PictureKind::kJpeg:
    case PictureKind::kBmp:
        return {FromColourRows(p, dc), p.width, p.height, false};
    case PictureKind::kIcon:
    case PictureKind::kCursor:
        return p.icon ? RenderedPicture(p.icon, p.width, p.height) : RenderedPicture();
    case PictureKind::kGif:
        return {OntoScreen(p, dc), p.width, p.height, false};
    case PictureKind::kPcx8: {
        FrameBitmap frame = FromPackedDib(p, dc);
        return {std::move(frame.bitmap), p.width, p.height, false};
    }
    case PictureKind::kPcxMono:
        return {FromMonochromeBits(p), p.width, p.height, true};
    case PictureKind::kNone:
        break;
    }
    return {};
}

}  // namespace pictures
