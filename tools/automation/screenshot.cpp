// Screen capture: BitBlt from the screen DC into a 32-bit top-down DIB section, then RGB rows.
#include "tools/automation/screenshot.h"

#include "runtime/win32/owned_handles.h"
#include "tools/automation/png_writer.h"
#include "tools/automation/window_query.h"

namespace automation {
namespace {

// Far beyond any real screen; keeps the pixel count's arithmetic small.
constexpr LONG kMaxSide = 32768;

Image ToRgb(const uint8_t* bgrx, int width, int height)
{
    Image image{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * static_cast<size_t>(height) * 3)};
    uint8_t* out = image.rgb.data();
    const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
    for (size_t i = 0; i < pixels; ++i, bgrx += 4, out += 3) {
        out[0] = bgrx[2];
        out[1] = bgrx[1];
        out[2] = bgrx[0];
    }
    return image;
}

}  // namespace

std::optional<Image> CaptureScreenRect(const RECT& rect)
{
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
        return std::nullopt;
    }
    rt::ScreenDc screen;
    rt::MemoryDc memory(screen.get());
    if (!screen.get() || !memory.get()) {
        return std::nullopt;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    rt::UniqueBitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap.get() || !bits) {
        return std::nullopt;
    }
    {
        rt::ScopedSelection selection(memory.get(), bitmap.get());
        if (!BitBlt(memory.get(), 0, 0, width, height, screen.get(), rect.left, rect.top, SRCCOPY | CAPTUREBLT)) {
            return std::nullopt;
        }
    }
    GdiFlush();
    return ToRgb(static_cast<const uint8_t*>(bits), width, height);
}

std::optional<Image> CaptureScreen()
{
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return CaptureScreenRect(
        RECT{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)});
}

std::optional<Image> CaptureWindow(HWND window)
{
    if (!IsWindow(window)) {
        return std::nullopt;
    }
    return CaptureScreenRect(ScreenRect(window));
}

std::optional<COLORREF> ScreenPixel(int x, int y)
{
    const std::optional<Image> image = CaptureScreenRect(RECT{x, y, x + 1, y + 1});
    if (!image) {
        return std::nullopt;
    }
    return image->Pixel(0, 0);
}

bool SaveScreenshot(const std::wstring& pngPath)
{
    const std::optional<Image> image = CaptureScreen();
    return image && WritePng(pngPath, *image);
}

bool SaveWindowScreenshot(HWND window, const std::wstring& pngPath)
{
    const std::optional<Image> image = CaptureWindow(window);
    return image && WritePng(pngPath, *image);
}

}  // namespace automation
