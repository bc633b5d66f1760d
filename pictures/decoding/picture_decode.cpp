#include "pictures/decoding/picture_decode.h"

#include <new>
#include <span>
#include <vector>

#include "pictures/decoding/format_decoders.h"
#include "pictures/decoding/picture_detect.h"
#include "pictures/shared/picture_limits.h"
#include "runtime/byte_stream.h"
#include "runtime/trace.h"

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

const char* KindName(PictureKind kind)
{
    switch (kind) {
    case PictureKind::kJpeg:
        return "JPEG";
    case PictureKind::kBmp:
        return "BMP";
    case PictureKind::kIcon:
        return "icon";
    case PictureKind::kCursor:
        return "cursor";
    case PictureKind::kGif:
        return "GIF";
    case PictureKind::kPcx8:
    case PictureKind::kPcxMono:
        return "PCX";
    case PictureKind::kNone:
        break;
    }
    return "unknown";
}

// The decoded picture; a refusal is traced with its reason first.
OwnedPicture Traced(OwnedPicture picture, PictureKind kind, size_t size, const std::string& source)
{
    if (!picture && rt::TraceOn()) {
        if (kind == PictureKind::kNone) {
            rt::Trace("picture refused: no known format in %zu bytes of %s", size, source.c_str());
        } else {
            rt::Trace("picture refused: the %s decoder does not accept the %zu bytes of %s", KindName(kind), size,
                      source.c_str());
        }
    }
    return picture;
}

}  // namespace

OwnedPicture DecodePictureBytes(const void* bytes, std::ptrdiff_t length)
{
    if (!bytes || length <= 0) return nullptr;
    std::span<const uint8_t> data(static_cast<const uint8_t*>(bytes), static_cast<size_t>(length));
    try {
        PictureKind kind = DetectPictureKind(data.data(), data.size());
        if (kind == PictureKind::kGif || kind == PictureKind::kPcx8 || kind == PictureKind::kPcxMono) {
            return Traced(DecodeWholeData(kind, data), kind, data.size(), "a byte set");
        }
        rt::MemoryStream stream(data.data(), data.size());
        return Traced(DecodeStream(kind, stream), kind, data.size(), "a byte set");
    } catch (const std::bad_alloc&) {
        rt::Trace("picture refused: no memory for the picture of %zu bytes", data.size());
        return nullptr;
    }
}

OwnedPicture DecodePictureFile(const std::string& gbkPath)
{
    if (gbkPath.empty()) return nullptr;
    try {
        // One open for detection and decoding: the file stays write-denied throughout.
        std::unique_ptr<rt::ByteStream> stream = rt::OpenFileStream(gbkPath, rt::FileSharing::kDenyWrite);
        if (!stream) {
            rt::Trace("picture refused: %s cannot be opened", gbkPath.c_str());
            return nullptr;
        }
        PictureKind kind = DetectFromStream(*stream);
        return Traced(DecodeStream(kind, *stream), kind, static_cast<size_t>(stream->size()), gbkPath);
    } catch (...) {
        // A stream that throws is a failed read.
        rt::Trace("picture refused: %s could not be read", gbkPath.c_str());
        return nullptr;
    }
}

}  // namespace pictures
