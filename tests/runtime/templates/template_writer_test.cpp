#include <gtest/gtest.h>

#include "runtime/templates/template_reader.h"
#include "runtime/templates/template_writer.h"
#include "test_blocks.h"

namespace {

TEST(TemplateWriter, WritesTheSmallestBlockByteForByte)
{
    std::vector<uint8_t> bytes = test_blocks::SmallBlock();
    std::optional<rt::TemplateBlock> block = rt::ReadTemplateBlock(bytes.data(), bytes.size());
    ASSERT_TRUE(block);
    EXPECT_EQ(rt::WriteTemplateBlock(*block), bytes);
}

TEST(TemplateWriter, KeepsEveryStoredWordThroughARoundTrip)
{
    std::vector<uint8_t> bytes = rt::WriteTemplateBlock(test_blocks::RichBlock());
    std::optional<rt::TemplateBlock> block = rt::ReadTemplateBlock(bytes.data(), bytes.size());
    ASSERT_TRUE(block);
    EXPECT_EQ(rt::WriteTemplateBlock(*block), bytes);
    EXPECT_EQ(block->windows[0].storedObjectWord, 0xdeadbeefu);
    EXPECT_EQ(block->windows[0].units[1].placed().storedCursorSlot, 0x22222222u);
    EXPECT_EQ(block->windows[0].units[1].placed().reservedAfterBindings[4], 11u);
}

TEST(TemplateWriter, LaysOutTheUnitListAsIdsOffsetsAndRecords)
{
    rt::TemplateBlock block = test_blocks::RichBlock();
    block.windows.resize(1);
    std::vector<uint8_t> bytes = rt::WriteTemplateBlock(block);
    auto word = [&](size_t position) {
        const uint8_t* p = bytes.data() + position;
        return p[0] | p[1] << 8 | p[2] << 16 | uint32_t{p[3]} << 24;
    };
    // Index (4 + 8), unused word, second id, "one", "two", unit count, list length: the list at 42.
    const size_t list = 12 + 4 + 4 + 7 + 7 + 4 + 4;
    const size_t units = block.windows[0].units.size();
    EXPECT_EQ(word(list - 8), units);
    EXPECT_EQ(word(list - 4), bytes.size() - list);
    size_t records = list + 8 * units;
    size_t expected = 0;
    for (size_t k = 0; k < units; ++k) {
        EXPECT_EQ(word(list + 4 * k), block.windows[0].units[k].id);
        EXPECT_EQ(word(list + 4 * (units + k)), expected);
        expected += 4 + word(records + expected);
    }
    EXPECT_EQ(records + expected, bytes.size());
}

}  // namespace
