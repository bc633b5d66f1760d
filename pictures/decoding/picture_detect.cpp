#include "pictures/decoding/picture_detect.h"

namespace pictures {
namespace {

uint16_t Word(const uint8_t* b, size_t offset) { return static_cast<uint16_t>(b[offset] | b[offset + 1] << 8); }

}  // namespace

// The tests run in a fixed order; the first that matches names the kind.
PictureKind DetectPictureKind(const uint8_t* b, size_t length)
{
    if (!b || length < kDetectBytes) return PictureKind::kNone;
    if (b[0] == 'B' && b[1] == 'M') return PictureKind::kBmp;
    if (b[0] == 0xFF && b[1] == 0xD8) return PictureKind::kJpeg;
    if (Word(b, 0) == 0 && Word(b, 2) == 1 && Word(b, 4) > 0) return PictureKind::kIcon;
    if (Word(b, 0) == 0 && Word(b, 2) == 2 && Word(b, 4) > 0) return PictureKind::kCursor;
    if (b[0] == 'G' && b[1] == 'I' && b[2] == 'F' && b[3] == '8' && (b[4] == '7' || b[4] == '9') && b[5] == 'a') {
        return PictureKind::kGif;
    }
    if (b[0] == 0x0A && b[1] <= 5 && b[2] == 1 && b[3] == 8) return PictureKind::kPcx8;
    if (b[0] == 0x0A && b[1] == 3 && b[2] == 1 && b[3] == 1) return PictureKind::kPcxMono;
    return PictureKind::kNone;
}

}  // namespace pictures
