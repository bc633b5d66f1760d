#include "runtime/byte_stream.h"

#include <cstring>

namespace rt {

size_t MemoryStream::read(void* destination, size_t size)
{
    size_t available = size_ - position_;
    size_t count = size < available ? size : available;
    if (count) {
        std::memcpy(destination, data_ + position_, count);
    }
    position_ += count;
    return count;
}

bool MemoryStream::seek(uint64_t position)
{
    if (position > size_) {
        return false;
    }
    position_ = static_cast<size_t>(position);
    return true;
}

bool ByteReader::bytes(void* destination, size_t size)
{
    if (!ok_ || stream_.read(destination, size) != size) {
        ok_ = false;
        std::memset(destination, 0, size);
    }
    return ok_;
}

uint8_t ByteReader::u8()
{
    uint8_t b[1];
    bytes(b, 1);
    return b[0];
}

uint16_t ByteReader::u16()
{
    uint8_t b[2];
    bytes(b, 2);
    return static_cast<uint16_t>(b[0] | b[1] << 8);
}

uint32_t ByteReader::u32()
{
    uint8_t b[4];
    bytes(b, 4);
    return b[0] | b[1] << 8 | b[2] << 16 | uint32_t{b[3]} << 24;
}

bool ByteReader::skip(uint64_t count)
{
    if (!ok_ || count > remaining() || !stream_.seek(stream_.tell() + count)) {
        ok_ = false;
    }
    return ok_;
}

bool ByteReader::seek(uint64_t position)
{
    if (!ok_ || !stream_.seek(position)) {
        ok_ = false;
    }
    return ok_;
}

}  // namespace rt
