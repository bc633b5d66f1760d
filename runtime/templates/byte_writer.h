// Little-endian writing of template blocks and property data into a growing byte vector, with
// counted blocks whose length is filled in when they end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace rt {

class ByteWriter {
public:
    void u8(uint8_t value) { bytes_.push_back(value); }
    void u16(uint16_t value);
    void u32(uint32_t value);
    void i32(int32_t value) { u32(static_cast<uint32_t>(value)); }
    void bytes(std::span<const uint8_t> data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }
    void text(std::string_view text) { bytes({reinterpret_cast<const uint8_t*>(text.data()), text.size()}); }

    void countedBytes(std::span<const uint8_t> data);
    void countedText(std::string_view text);
    void zeroText(std::string_view text);

    // Writes a placeholder count and returns where it is; endBlock fills in the bytes written since.
    size_t beginBlock();
    void endBlock(size_t countPosition);

    size_t size() const { return bytes_.size(); }
    const std::vector<uint8_t>& data() const { return bytes_; }
    std::vector<uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

}  // namespace rt
