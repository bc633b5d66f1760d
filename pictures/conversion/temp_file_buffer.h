// Large buffers of the conversion live in memory-mapped hidden temporary files, not on the heap:
// QMRCLASS<n>.tmp in the system's temporary folder, n the smallest number whose file does not
// exist yet. Each file is created exclusively, so concurrent conversions never share one; the
// file is unmapped, closed and deleted when its buffer is released.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace pictures {

class TempFileBuffer {
public:
    // A zero-filled buffer of size bytes (at least 1), or null when no file can be created or mapped.
    static std::unique_ptr<TempFileBuffer> Create(uint64_t size);

    virtual ~TempFileBuffer() = default;
    TempFileBuffer(const TempFileBuffer&) = delete;
    TempFileBuffer& operator=(const TempFileBuffer&) = delete;

    uint8_t* data() const { return data_; }
    size_t size() const { return size_; }

protected:
    TempFileBuffer(uint8_t* data, size_t size) : data_(data), size_(size) {}

private:
    uint8_t* data_;
    size_t size_;
};

// The file name of number n.
inline std::string TempFileName(unsigned n) { return "QMRCLASS" + std::to_string(n) + ".tmp"; }

// How many numbers are tried before creation gives up (a folder full of stale files, or one
// that refuses every creation).
inline constexpr unsigned kTempFileNumberAttempts = 4096;

}  // namespace pictures
