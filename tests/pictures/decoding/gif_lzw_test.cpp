#include <gtest/gtest.h>

#include <vector>

#include "pictures/decoding/gif_lzw.h"

namespace pictures {
namespace {

class Collector final : public PixelSink {
public:
    explicit Collector(size_t capacity) : capacity_(capacity) {}
    bool Put(uint8_t index) override
    {
        pixels.push_back(index);
        return pixels.size() < capacity_;
    }
    std::vector<uint8_t> pixels;

private:
    size_t capacity_;
};

struct Code {
    int value;
    int width;
};

// Packs codes LSB first into one run of sub-blocks.
std::vector<uint8_t> SubBlocks(std::initializer_list<Code> codes)
{
    std::vector<uint8_t> bytes;
    uint32_t bits = 0;
    int count = 0;
    for (Code c : codes) {
        bits |= static_cast<uint32_t>(c.value) << count;
        count += c.width;
        while (count >= 8) {
            bytes.push_back(static_cast<uint8_t>(bits));
            bits >>= 8;
            count -= 8;
        }
    }
    if (count) bytes.push_back(static_cast<uint8_t>(bits));
    std::vector<uint8_t> blocks = {static_cast<uint8_t>(bytes.size())};
    blocks.insert(blocks.end(), bytes.begin(), bytes.end());
    blocks.push_back(0);
    return blocks;
}

// Minimum code size 2: literals 0-3, clear 4, end 5, first free code 6.
TEST(GifLzw, CodeThatIsBeingDefinedRepeatsThePreviousString)
{
    Collector sink(100);
    std::vector<uint8_t> data = SubBlocks({{4, 3}, {1, 3}, {6, 3}, {6, 3}, {5, 4}});
    EXPECT_EQ(DecodeGifLzw(data, 0, 2, sink), LzwResult::kDone);
    // 1, then code 6 = "1 1" (being defined), then code 6 again.
    EXPECT_EQ(sink.pixels, (std::vector<uint8_t>{1, 1, 1, 1, 1}));
}

TEST(GifLzw, StreamWithoutALeadingClearCode)
{
    Collector sink(100);
    std::vector<uint8_t> data = SubBlocks({{2, 3}, {3, 3}, {5, 3}});
    EXPECT_EQ(DecodeGifLzw(data, 0, 2, sink), LzwResult::kDone);
    EXPECT_EQ(sink.pixels, (std::vector<uint8_t>{2, 3}));
}

TEST(GifLzw, ClearCodeResetsTheTable)
{
    Collector sink(100);
    // After the clear, code 6 is not yet defined: it must be refused as the first code.
    std::vector<uint8_t> data = SubBlocks({{4, 3}, {1, 3}, {2, 3}, {4, 3}, {6, 3}});
    EXPECT_EQ(DecodeGifLzw(data, 0, 2, sink), LzwResult::kBadData);
    EXPECT_EQ(sink.pixels, (std::vector<uint8_t>{1, 2}));
}

TEST(GifLzw, RefusesCodesThatNameNoString)
{
    Collector sink(100);
    EXPECT_EQ(DecodeGifLzw(SubBlocks({{4, 3}, {7, 3}}), 0, 2, sink), LzwResult::kBadData) << "first code not a literal";
    EXPECT_EQ(DecodeGifLzw(SubBlocks({{4, 3}, {1, 3}, {7, 3}}), 0, 2, sink), LzwResult::kBadData)
        << "beyond the next free code";
    EXPECT_EQ(DecodeGifLzw(SubBlocks({{4, 3}, {5, 3}}), 0, 1, sink), LzwResult::kBadData) << "code size 1";
    EXPECT_EQ(DecodeGifLzw(SubBlocks({{4, 3}, {5, 3}}), 0, 9, sink), LzwResult::kBadData) << "code size 9";
}

TEST(GifLzw, StopsWhenTheSinkIsFull)
{
    Collector sink(3);
    std::vector<uint8_t> data = SubBlocks({{4, 3}, {1, 3}, {6, 3}, {6, 3}});
    EXPECT_EQ(DecodeGifLzw(data, 0, 2, sink), LzwResult::kDone);
    EXPECT_EQ(sink.pixels.size(), 3u);
}

TEST(GifLzw, EndOfDataBeforeTheEndCode)
{
    Collector sink(100);
    std::vector<uint8_t> data = SubBlocks({{4, 3}, {1, 3}, {2, 3}});
    EXPECT_EQ(DecodeGifLzw(data, 0, 2, sink), LzwResult::kOutOfData);
    data.pop_back();  // no terminator either
    data.pop_back();
    EXPECT_EQ(DecodeGifLzw(data, 0, 2, sink), LzwResult::kOutOfData);
    EXPECT_EQ(DecodeGifLzw(data, data.size(), 2, sink), LzwResult::kOutOfData) << "starting at the end";
}

TEST(GifLzw, CodesContinueAcrossSubBlocks)
{
    Collector sink(100);
    std::vector<uint8_t> one = SubBlocks({{4, 3}, {1, 3}, {2, 3}, {3, 3}, {5, 4}});
    ASSERT_EQ(one[0], 2);
    // The same two bytes as two sub-blocks of one byte each.
    std::vector<uint8_t> two = {1, one[1], 1, one[2], 0};
    EXPECT_EQ(DecodeGifLzw(two, 0, 2, sink), LzwResult::kDone);
    EXPECT_EQ(sink.pixels, (std::vector<uint8_t>{1, 2, 3}));
}

}  // namespace
}  // namespace pictures
