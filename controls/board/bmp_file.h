// A device bitmap as the bytes of a BMP file: 24 bits per pixel, uncompressed, rows bottom-up and
// padded to 4 bytes, no colour table. The file is made straight in a byte set of the runtime's heap
// with the allocation that may fail, so a board too large for the memory left gives no bytes
// instead of ending the program.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace rt::units {

// A byte set block owned until it is handed on; empty when it could not be allocated.
class OwnedByteSet {
public:
    OwnedByteSet() = default;
    // A byte set of size bytes (not cleared); empty when memory runs out or the size does not fit
    // a byte set's count.
    static OwnedByteSet Allocate(size_t size);
    OwnedByteSet(OwnedByteSet&& other) noexcept;
    OwnedByteSet& operator=(OwnedByteSet&& other) noexcept;
    OwnedByteSet(const OwnedByteSet&) = delete;
    OwnedByteSet& operator=(const OwnedByteSet&) = delete;
    ~OwnedByteSet();

    bool empty() const { return block_ == nullptr; }
    size_t size() const;
    uint8_t* data();
    // The block, now the caller's (a command's result).
    void* release();

private:
    void* block_ = nullptr;
};

// The bitmap must be selected into no context. Empty when the size is not positive, the file
// would not fit 32 bits, memory runs out or GDI fails.
OwnedByteSet BmpFileOfBitmap(HBITMAP bitmap, SIZE size);

}  // namespace rt::units
