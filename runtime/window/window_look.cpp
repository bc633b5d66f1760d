#include "runtime/window/window_look.h"

#include <algorithm>
#include <vector>

#include "runtime/runtime_service.h"
#include "runtime/window/window_outlines.h"

namespace rt {
namespace {

constexpr uint32_t kButtonFaceColour = 0xff000000;
constexpr int kFirstOutlineShape = 4;

bool HasSizingFrame(int border) { return border == 1 || border == 3 || border == 5; }

// Outline n of the table scaled to the size, or no points when the table ends first.
std::vector<POINT> OutlinePoints(int outline, int width, int height)
{
    std::vector<POINT> points;
    int current = 0;
    for (size_t i = 0; i < kWindowOutlinesLength; ++i) {
        if (kWindowOutlines[i] == kOutlineEnd) {
            if (current == outline) {
                return points;
            }
            ++current;
            continue;
        }
        if (current == outline && i + 1 < kWindowOutlinesLength && kWindowOutlines[i + 1] != kOutlineEnd) {
            points.push_back({MulDiv(kWindowOutlines[i], width, kOutlineScale),
                              MulDiv(kWindowOutlines[i + 1], height, kOutlineScale)});
            ++i;
        }
    }
    return {};
}

UniqueRegion RingRegion(int width, int height)
{
    UniqueRegion outer(CreateEllipticRgn(0, 0, width, height));
    UniqueRegion inner(CreateEllipticRgn(width / 4, height / 4, width - width / 4, height - height / 4));
    if (outer && inner) {
        CombineRgn(outer.get(), outer.get(), inner.get(), RGN_DIFF);
    }
    return outer;
}

}  // namespace

WindowStyles FrameStyles(const WindowOptions& options)
{
    // Top-level windows are pop-ups so that a window without a title bar really has none.
    WindowStyles styles{WS_POPUP | WS_CLIPCHILDREN, 0};
    int border = std::clamp(options.Border, 0, 6);
    if (border != 0) {
        if (!options.Title.empty() || options.ControlBox) {
            styles.style |= WS_CAPTION;
            if (options.ControlBox) {
                styles.style |= WS_SYSMENU;
            }
        } else {
            styles.style |= WS_DLGFRAME;
        }
    }
    if (HasSizingFrame(border)) {
        styles.style |= WS_THICKFRAME;
    }
    if (border == 3 || border == 4) {
        styles.exStyle |= WS_EX_TOOLWINDOW;
    }
    if (border == 5 || border == 6) {
        styles.exStyle |= WS_EX_CLIENTEDGE;
    }
    if (options.MaxButton) {
        styles.style |= WS_MAXIMIZEBOX;
    }
    if (options.MinButton) {
        styles.style |= WS_MINIMIZEBOX;
    }
    return styles;
}

UniqueRegion CreateShapeRegion(int shape, int width, int height)
{
    switch (shape) {
    case 1:
        return UniqueRegion(CreateEllipticRgn(0, 0, width, height));
    case 2: {
        int corner = std::min(width, height) / 5;
        return UniqueRegion(CreateRoundRectRgn(0, 0, width + 1, height + 1, corner, corner));
    }
    case 3:
        return RingRegion(width, height);
    default:
        break;
    }
    if (shape < kFirstOutlineShape || shape >= kFirstOutlineShape + kOutlineCount) {
        return nullptr;
    }
    std::vector<POINT> points = OutlinePoints(shape - kFirstOutlineShape, width, height);
    if (points.size() < 3) {
        return nullptr;
    }
    return UniqueRegion(CreatePolygonRgn(points.data(), static_cast<int>(points.size()), WINDING));
}

UniqueBitmap BackPictureBitmap(const std::vector<uint8_t>& bytes)
{
    if (bytes.empty()) {
        return nullptr;
    }
    int64_t bitmap = RuntimeService(kServicePictureToBitmap, reinterpret_cast<uintptr_t>(bytes.data()), bytes.size());
    return UniqueBitmap(reinterpret_cast<HBITMAP>(static_cast<uintptr_t>(bitmap)));
}

RECT BackPictureTarget(int mode, SIZE picture, SIZE client)
{
    switch (mode) {
    case 2: {
        // Shrunk by the smaller of the two ratios, in 64 bits so that large pictures cannot overflow.
        int64_t width = picture.cx;
        int64_t height = picture.cy;
        if (width > client.cx || height > client.cy) {
            if (width * client.cy > height * client.cx) {
                height = width > 0 ? height * client.cx / width : 0;
                width = client.cx;
            } else {
                width = height > 0 ? width * client.cy / height : 0;
                height = client.cy;
            }
        }
        LONG left = static_cast<LONG>((client.cx - width) / 2);
        LONG top = static_cast<LONG>((client.cy - height) / 2);
        return {left, top, left + static_cast<LONG>(width), top + static_cast<LONG>(height)};
    }
    case 3:
        return {0, 0, client.cx, client.cy};
    default:
        return {0, 0, picture.cx, picture.cy};
    }
}

namespace {

void FillBackColour(HDC dc, const RECT& client, uint32_t colour)
{
    if (colour == kButtonFaceColour) {
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    UniqueBrush brush(CreateSolidBrush(colour & 0x00ffffff));
    FillRect(dc, &client, brush.get());
}

// The device context's state (clip region, stretch mode), given back when the scope ends.
class SavedDcState {
public:
    explicit SavedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDcState() { RestoreDC(dc_, saved_); }
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;

private:
    HDC dc_;
    int saved_;
};

}  // namespace

void DrawBackPicture(HDC dc, const RECT& area, int mode, HBITMAP picture, int stretchMode)
{
    BITMAP info{};
    if (!GetObjectW(picture, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) {
        return;
    }
    MemoryDc memory(dc);
    ScopedSelection selected(memory.get(), picture);
    if (!selected.ok()) {
        return;
    }
    HDC source = memory.get();
    SavedDcState state(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    SIZE size{info.bmWidth, info.bmHeight};
    SIZE space{area.right - area.left, area.bottom - area.top};
    if (mode == 1) {
        for (LONG y = 0; y < space.cy; y += size.cy) {
            for (LONG x = 0; x < space.cx; x += size.cx) {
                BitBlt(dc, area.left + x, area.top + y, size.cx, size.cy, source, 0, 0, SRCCOPY);
            }
        }
        return;
    }
    RECT target = BackPictureTarget(mode, size, space);
    SetStretchBltMode(dc, stretchMode);
    StretchBlt(dc, area.left + target.left, area.top + target.top, target.right - target.left,
               target.bottom - target.top, source, 0, 0, size.cx, size.cy, SRCCOPY);
}

void PaintWindowBackground(HDC dc, const RECT& client, const WindowOptions& options, HBITMAP picture)
{
    FillBackColour(dc, client, options.BackColour);
    if (picture) {
        DrawBackPicture(dc, client, std::clamp(options.BackPictureMode, 0, 3), picture, HALFTONE);
    }
}

UniqueIcon IconFromIcoBytes(const uint8_t* data, size_t length, int width, int height)
{
    // An .ico file: a 6-byte header (0, type 1, count), then 16-byte entries pointing at images.
    auto u16 = [data](size_t at) { return static_cast<uint32_t>(data[at] | data[at + 1] << 8); };
    auto u32 = [&u16](size_t at) { return u16(at) | u16(at + 2) << 16; };
    if (!data || length < 6 || u16(0) != 0 || u16(2) != 1) {
        return nullptr;
    }
    uint32_t count = u16(4);
    int bestEntry = -1;
    int bestDistance = 0;
    for (uint32_t i = 0; i < count && 6 + 16 * (i + 1) <= length; ++i) {
        size_t entry = 6 + 16 * i;
        uint32_t size = u32(entry + 8);
        uint32_t offset = u32(entry + 12);
        if (size == 0 || offset > length || size > length - offset) {
            continue;
        }
        int entryWidth = data[entry] ? data[entry] : 256;
        int distance = std::abs(entryWidth - width);
        if (bestEntry < 0 || distance < bestDistance) {
            bestEntry = static_cast<int>(i);
            bestDistance = distance;
        }
    }
    if (bestEntry < 0) {
        return nullptr;
    }
    size_t entry = 6 + 16 * static_cast<size_t>(bestEntry);
    std::vector<uint8_t> image(data + u32(entry + 12), data + u32(entry + 12) + u32(entry + 8));
    return UniqueIcon(CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), TRUE, 0x00030000, width,
                                               height, LR_DEFAULTCOLOR));
}

}  // namespace rt
