#include "pictures/decoding/gif_lzw.h"

#include <array>

namespace pictures {
namespace {

constexpr int kMaxCodeBits = 12;
constexpr int kTableSize = 1 << kMaxCodeBits;

// Codes read LSB first across sub-blocks; the stream ends at the terminating empty sub-block or at
// the end of the data, whichever comes first.
class CodeReader {
public:
    CodeReader(std::span<const uint8_t> data, size_t position) : data_(data), position_(position) {}

    bool Next(int width, int& code)
    {
        while (bitCount_ < width) {
            int byte = NextByte();
            if (byte < 0) return false;
            bits_ |= static_cast<uint32_t>(byte) << bitCount_;
            bitCount_ += 8;
        }
        code = static_cast<int>(bits_ & ((1u << width) - 1));
        bits_ >>= width;
        bitCount_ -= width;
        return true;
    }

private:
    int NextByte()
    {
        if (blockLeft_ == 0) {
            if (position_ >= data_.size()) return -1;
            blockLeft_ = data_[position_++];
            if (blockLeft_ == 0) {
                position_ = data_.size();
                return -1;
            }
        }
        if (position_ >= data_.size()) return -1;
        --blockLeft_;
        return data_[position_++];
    }

    std::span<const uint8_t> data_;
    size_t position_;
    size_t blockLeft_ = 0;
    uint32_t bits_ = 0;
    int bitCount_ = 0;
};

class StringTable {
public:
    explicit StringTable(int minCodeSize)
        : clear_(1 << minCodeSize), end_(clear_ + 1), firstFree_(clear_ + 2), minWidth_(minCodeSize + 1)
    {
        Reset();
    }

    int clear() const { return clear_; }
    int end() const { return end_; }
    int width() const { return width_; }
    int next() const { return next_; }

    void Reset()
    {
        next_ = firstFree_;
        width_ = minWidth_;
    }

    // Adds prefix + suffix while the table has room; the code width grows when the next free code
    // reaches 2^width, never beyond 12 bits.
    void Add(int prefix, uint8_t suffix)
    {
        if (next_ >= kTableSize) return;
        prefix_[next_] = static_cast<uint16_t>(prefix);
        suffix_[next_] = suffix;
        ++next_;
        if (next_ >= (1 << width_) && width_ < kMaxCodeBits) ++width_;
    }

    // Writes the string of code backwards into out from out[length]; returns the new length, or 0
    // when the chain does not descend to a literal.
    size_t Expand(int code, std::array<uint8_t, kTableSize + 1>& out, size_t length) const
    {
        while (code > end_) {
            if (length >= kTableSize || prefix_[code] >= code) return 0;
            out[length++] = suffix_[code];
            code = prefix_[code];
        }
        if (code >= clear_) return 0;
        out[length++] = static_cast<uint8_t>(code);
        return length;
    }

private:
    int clear_;
    int end_;
    int firstFree_;
    int minWidth_;
    int next_ = 0;
    int width_ = 0;
    std::array<uint16_t, kTableSize> prefix_{};
    std::array<uint8_t, kTableSize> suffix_{};
};

}  // namespace

LzwResult DecodeGifLzw(std::span<const uint8_t> data, size_t position, int minCodeSize, PixelSink& sink)
{
    if (minCodeSize < 2 || minCodeSize > 8) return LzwResult::kBadData;
    CodeReader reader(data, position);
    StringTable table(minCodeSize);
    std::array<uint8_t, kTableSize + 1> string{};
    int previous = -1;  // none right after a clear code
    uint8_t previousFirst = 0;
    int code = 0;
    while (reader.Next(table.width(), code)) {
        if (code == table.clear()) {
            table.Reset();
            previous = -1;
            continue;
        }
        if (code == table.end()) return LzwResult::kDone;
        if (previous < 0 && code >= table.clear()) return LzwResult::kBadData;
        if (code > table.next()) return LzwResult::kBadData;

        size_t length = 0;
        if (code == table.next()) {
            // The string being defined: the previous string plus its own first byte.
            string[0] = previousFirst;
            length = table.Expand(previous, string, 1);
        } else {
            length = table.Expand(code, string, 0);
        }
        if (length == 0) return LzwResult::kBadData;
        uint8_t first = string[length - 1];
        for (size_t i = length; i-- > 0;) {
            if (!sink.Put(string[i])) return LzwResult::kDone;
        }
        if (previous >= 0) table.Add(previous, first);
        previous = code;
        previousFirst = first;
    }
    return LzwResult::kOutOfData;
}

}  // namespace pictures
