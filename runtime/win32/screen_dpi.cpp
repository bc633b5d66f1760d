#include "runtime/win32/screen_dpi.h"

#include "runtime/win32/owned_handles.h"

namespace rt {
namespace {

constexpr int kFallbackPixelsPerInch = 96;

}  // namespace

int ScreenPixelsPerInch()
{
    ScreenDc screen;
    int pixels = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return pixels > 0 ? pixels : kFallbackPixelsPerInch;
}

}  // namespace rt
