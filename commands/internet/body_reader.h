// An HTTP response body read piece by piece into a byte set, held to a limit. It knows nothing of
// WinINet: the reads come from a BodySource, so tests and fuzzing can drive the loop from memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace rt::commands {

// The notice is a few hundred bytes. A server that sends more than this (an endless body) ends the
// transfer here with what has arrived, instead of growing the buffer until the program's memory is gone.
constexpr size_t kBodyLimit = 4 * 1024 * 1024;

constexpr uint32_t kLargestReadSize = 102400;
constexpr uint32_t kReadSizeWithoutLength = 10240;
// Room beyond the received bytes each time their block grows.
constexpr size_t kGrowthSlack = 128;

// The read size for the content-length header's text (nothing when the answer has none): the
// length + 1 when it reads as a decimal number above 0, at most kLargestReadSize; else
// kReadSizeWithoutLength.
uint32_t ReadSizeFor(std::optional<std::string_view> contentLength);

// Where a transfer's pieces come from.
class BodySource {
public:
    virtual ~BodySource() = default;
    // Fills up to size bytes of buffer and tells how many; false when the read failed.
    virtual bool Read(uint8_t* buffer, uint32_t size, uint32_t& received) = 0;
};

// Reads pieces of readSize bytes until a successful read of 0 bytes, a failed read, kBodyLimit
// bytes, or a refused allocation. Returns a new byte set of every byte received before that (null,
// the empty byte set, when there were none), owned by the caller.
void* ReadBody(BodySource& source, uint32_t readSize);

}  // namespace rt::commands
