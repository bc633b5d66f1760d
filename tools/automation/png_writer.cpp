// PNG output through libpng's simplified writer, into a file opened by its wide path.
#include "tools/automation/png_writer.h"

#include <png.h>

#include <cstdio>

namespace automation {
namespace {

bool WriteTo(FILE* file, const Image& image)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGB;
    const int ok = png_image_write_to_stdio(&png, file, 0, image.rgb.data(), 0, nullptr);
    png_image_free(&png);
    return ok != 0;
}

}  // namespace

bool WritePng(const std::wstring& path, const Image& image)
{
    if (image.width <= 0 || image.height <= 0 ||
        image.rgb.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 3) {
        return false;
    }
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file) {
        return false;
    }
    // Nothing between open and close can throw: the writer is C and reports through its result.
    bool written = WriteTo(file, image);
    written = fclose(file) == 0 && written;
    if (!written) {
        _wremove(path.c_str());
    }
    return written;
}

}  // namespace automation
