#include "pictures/decoding/picture_decode.h"

#include <new>
#include <span>
#include <vector>

#include "pictures/decoding/format_decoders.h"
#include "pictures/decoding/picture_detect.h"
#include "pictures/shared/picture_limits.h"
#include "runtime/byte_stream.h"

namespace pictures {
namespace {

PictureKind DetectFromStream(rt::ByteStream& stream)
{
    uint8_t head[kDetectBytes];
    size_t got = stream.read(head, sizeof head);
    if (!stream.seek(0)) return PictureKind::kNone;
    return DetectPictureKind(head, got);
}

OwnedPicture DecodeWholeData(PictureKind kind, std::span<const uint8_t> data)
{
    return kind == PictureKind::kGif ? DecodeGif(data) : DecodePcx(data);
}

// GIF and PCX are decoded from memory: the file is read whole first.
OwnedPicture DecodeWholeFile(PictureKind kind, rt::ByteStream& stream)
{
    if (stream.size() > kMaxInMemoryFileBytes) return nullptr;
    std::vector<uint8_t> data(static_cast<size_t>(stream.size()));
    if (stream.read(data.data(), data.size()) != data.size()) return nullptr;
    return DecodeWholeData(kind, data);
}

OwnedPicture DecodeStream(PictureKind kind, rt::ByteStream& stream)
{
    switch (kind) {
    case PictureKind::kJpeg:
        return DecodeJpeg(stream);
    case PictureKind::kBmp:
        return DecodeBmp(stream);
    case PictureKind::kIcon:
    case PictureKind::kCursor:
        return DecodeIcon(stream);
    case PictureKind::kGif:
    case PictureKind::kPcx8:
    case PictureKind::kPcxMono:
        return DecodeWholeFile(kind, stream);
    case PictureKind::kNone:
        break;
    }
    return nullptr;
}

}  // namespace

OwnedPicture DecodePictureBytes(const void* bytes, std::ptrdiff_t length)
{
    if (!bytes || length <= 0) return nullptr;
    std::span<const uint8_t> data(static_cast<const uint8_t*>(bytes), static_cast<size_t>(length));
    try {
        PictureKind kind = DetectPictureKind(data.data(), data.size());
        if (kind == PictureKind::kGif || kind == PictureKind::kPcx8 || kind == PictureKind::kPcxMono) {
            return DecodeWholeData(kind, data);
        }
        rt::MemoryStream stream(data.data(), data.size());
        return DecodeStream(kind, stream);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

OwnedPicture DecodePictureFile(const std::string& gbkPath)
{
    if (gbkPath.empty()) return nullptr;
    try {
        // One open for detection and decoding: the file stays write-denied throughout.
        std::unique_ptr<rt::ByteStream> stream = rt::OpenFileStream(gbkPath, rt::FileSharing::kDenyWrite);
        if (!stream) return nullptr;
        return DecodeStream(DetectFromStream(*stream), *stream);
    } catch (...) {
        // A stream that throws is a failed read.
        return nullptr;
    }
}

}  // namespace pictures
