// Picture data straight to a device bitmap, compatible with the screen, that the caller owns.
#include <cstdint>

#include "pictures/decoding/picture_decode.h"
#include "pictures/decoding/picture_render.h"

namespace pictures {
namespace {

rt::UniqueBitmap IconOnWhite(const Picture& p, HDC screen)
{
    if (!p.icon) return nullptr;
    rt::UniqueBitmap bitmap(CreateCompatibleBitmap(screen, p.width, p.height));
    if (!bitmap) return nullptr;
    rt::MemoryDc dc(screen);
    rt::ScopedSelection selection(dc.get(), bitmap.get());
    if (!selection.ok()) return nullptr;
    PatBlt(dc.get(), 0, 0, p.width, p.height, WHITENESS);
    if (!DrawIconEx(dc.get(), 0, 0, p.icon, p.width, p.height, 0, nullptr, DI_NORMAL)) return nullptr;
    return bitmap;
}

}  // namespace

rt::UniqueBitmap PictureToBitmap(const void* bytes, std::ptrdiff_t length)
{
    OwnedPicture picture = DecodePictureBytes(bytes, length);
    if (!picture) return nullptr;
    rt::ScreenDc screen;
    if (!screen.get()) return nullptr;
    if (picture->kind == PictureKind::kIcon || picture->kind == PictureKind::kCursor) {
        return IconOnWhite(*picture, screen.get());
    }
    return RenderPicture(*picture, screen.get()).TakeBitmap();
}

int64_t PictureToBitmapService(uintptr_t bytes, uintptr_t length)
{
    if (!bytes || length > static_cast<uintptr_t>(PTRDIFF_MAX)) return 0;
    rt::UniqueBitmap bitmap =
        PictureToBitmap(reinterpret_cast<const void*>(bytes), static_cast<std::ptrdiff_t>(length));
    return static_cast<int64_t>(reinterpret_cast<uintptr_t>(bitmap.release()));
}

}  // namespace pictures
