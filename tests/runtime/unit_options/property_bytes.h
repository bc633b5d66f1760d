// Property data written out by hand for the tests: little-endian words, counted texts and fonts.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

struct PropertyBytes {
    std::vector<uint8_t> data;

    PropertyBytes& u32(uint32_t value)
    {
        for (int shift = 0; shift < 32; shift += 8) {
            data.push_back(static_cast<uint8_t>(value >> shift));
        }
        return *this;
    }
    // The words first, first + 1, ... first + count - 1: each field gets a value of its own.
    PropertyBytes& numbered(uint32_t first, int count)
    {
        for (int i = 0; i < count; ++i) {
            u32(first + static_cast<uint32_t>(i));
        }
        return *this;
    }
    PropertyBytes& u16(uint16_t value)
    {
        data.push_back(static_cast<uint8_t>(value));
        data.push_back(static_cast<uint8_t>(value >> 8));
        return *this;
    }
    PropertyBytes& text(std::string_view value)
    {
        u32(static_cast<uint32_t>(value.size()));
        data.insert(data.end(), value.begin(), value.end());
        return *this;
    }
    // A 60-byte font whose height says which one it is.
    PropertyBytes& font(int32_t height)
    {
        u32(60).u32(static_cast<uint32_t>(height));
        data.insert(data.end(), 56, 0);
        return *this;
    }
};
