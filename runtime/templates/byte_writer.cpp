#include "runtime/templates/byte_writer.h"

#include <cassert>

namespace rt {

void ByteWriter::u16(uint16_t value)
{
    bytes_.push_back(static_cast<uint8_t>(value));
    bytes_.push_back(static_cast<uint8_t>(value >> 8));
}

void ByteWriter::u32(uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        bytes_.push_back(static_cast<uint8_t>(value >> shift));
    }
}

void ByteWriter::countedBytes(std::span<const uint8_t> data)
{
    assert(data.size() <= UINT32_MAX);
    u32(static_cast<uint32_t>(data.size()));
    bytes(data);
}

void ByteWriter::countedText(std::string_view value)
{
    countedBytes({reinterpret_cast<const uint8_t*>(value.data()), value.size()});
}

void ByteWriter::zeroText(std::string_view value)
{
    text(value);
    u8(0);
}

size_t ByteWriter::beginBlock()
{
    size_t position = bytes_.size();
    u32(0);
    return position;
}

void ByteWriter::endBlock(size_t countPosition)
{
    size_t count = bytes_.size() - countPosition - 4;
    assert(count <= UINT32_MAX);
    for (int i = 0; i < 4; ++i) {
        bytes_[countPosition + i] = static_cast<uint8_t>(count >> (8 * i));
    }
}

}  // namespace rt
