// Encodes pictures held in memory as JPEG files in memory: for the same pixels and settings, the
// same bytes as ConvertToJpeg writes from a 24-bit BMP. An encoder keeps its compressor, its
// memory and its output buffer from one picture to the next, so a thread that makes many pictures
// (the split's pieces) gets no fresh memory for each. One encoder serves one thread at a time.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "pictures/conversion/jpeg_parameters.h"

namespace pictures {

// How the samples of a row are laid out; the JPEG has the rows' components (one for grey).
enum class RowFormat { kRgb, kBgr, kGrey };

// Fills rows[0 .. count) with the rows first .. first + count - 1 of the picture, top-down, each of
// width samples per component; they need to stay valid only until the next call. count is at most
// kRowsAtOnce.
inline constexpr uint32_t kRowsAtOnce = 16;
using RowSource = std::function<void(uint32_t first, uint32_t count, const uint8_t** rows)>;

class JpegEncoder {
public:
    JpegEncoder();
    ~JpegEncoder();
    JpegEncoder(const JpegEncoder&) = delete;
    JpegEncoder& operator=(const JpegEncoder&) = delete;

    // False when the encoder could not be made (no memory); it then encodes nothing.
    bool ready() const { return session_ != nullptr; }

    // Encodes a width x height picture. False when libjpeg fails, memory runs out or cancel is
    // set while it works (it is looked at between bands of rows); bytes() is then empty.
    bool encode(uint32_t width, uint32_t height, RowFormat format, const RowSource& rows, const JpegSettings& settings,
                const std::atomic<bool>* cancel = nullptr);

    // The last picture's file bytes, valid until the next encode.
    std::span<const uint8_t> bytes() const;

    // Bytes of memory the compressor keeps for the next picture (0 when libjpeg's own manager
    // serves it).
    size_t memoryBytes() const;

    struct Session;

private:
    std::unique_ptr<Session> session_;
};

}  // namespace pictures
