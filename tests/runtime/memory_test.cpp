#include <gtest/gtest.h>

#include <cstring>

#include "runtime/memory.h"
#include "runtime/owned_values.h"
#include "runtime/values.h"

namespace {

struct ConstantRangeFixture : ::testing::Test {
    void TearDown() override { rt::ClearConstantRanges(); }
};

// A block that stands for the program's constant data: a text, then an embedded byte set.
struct ConstantData {
    char text[8] = "常量";
    rt::EmbeddedByteSet<6> bytes{{1, 6}, {1, 2, 3, 4, 5, 6}};
};
const ConstantData kConstants;

using MemoryConstantData = ConstantRangeFixture;

TEST_F(MemoryConstantData, FreeMemLeavesConstantTextsReadableAndIgnoresNull)
{
    rt::AddConstantRange(&kConstants, sizeof kConstants);
    rt::FreeMem(const_cast<char*>(kConstants.text));
    rt::FreeMem(nullptr);
    EXPECT_STREQ(kConstants.text, "常量");
}

TEST_F(MemoryConstantData, ReallocOfConstantByteSetCopiesOnlyToTheEndOfTheRange)
{
    rt::AddConstantRange(&kConstants, sizeof kConstants);
    const void* original = &kConstants.bytes;
    size_t inRange = sizeof kConstants - offsetof(ConstantData, bytes);
    auto* grown = static_cast<uint8_t*>(rt::ReallocMem(const_cast<void*>(original), inRange + 64));
    ASSERT_NE(grown, original);
    EXPECT_EQ(std::memcmp(grown, original, inRange), 0);
    EXPECT_EQ(rt::ByteSetSize(&kConstants.bytes), 6u);
    EXPECT_EQ(rt::ByteSetData(&kConstants.bytes)[5], 6);
    rt::FreeMem(grown);
}

TEST_F(MemoryConstantData, ReallocToSmallerSizeCopiesOnlyTheRequestedBytes)
{
    rt::AddConstantRange(&kConstants, sizeof kConstants);
    auto* shrunk = static_cast<char*>(rt::ReallocMem(const_cast<char*>(kConstants.text), 3));
    EXPECT_EQ(std::memcmp(shrunk, kConstants.text, 3), 0);
    rt::FreeMem(shrunk);
}

TEST_F(MemoryConstantData, PointersJustOutsideTheRangeAreHeapPointers)
{
    rt::AddConstantRange(&kConstants.bytes, sizeof kConstants.bytes);
    EXPECT_TRUE(rt::IsConstantData(&kConstants.bytes));
    EXPECT_FALSE(rt::IsConstantData(kConstants.text));
    EXPECT_FALSE(rt::IsConstantData(reinterpret_cast<const char*>(&kConstants.bytes) + sizeof kConstants.bytes));
    EXPECT_EQ(rt::ConstantBytesFrom(reinterpret_cast<const char*>(&kConstants.bytes) + 2), sizeof kConstants.bytes - 2);
}

TEST(Memory, ReallocOfNullAllocatesAndHeapBlocksKeepTheirBytes)
{
    auto* block = static_cast<char*>(rt::ReallocMem(nullptr, 4));
    std::memcpy(block, "abc", 4);
    block = static_cast<char*>(rt::ReallocMem(block, 4096));
    EXPECT_STREQ(block, "abc");
    rt::FreeMem(block);
}

TEST(OwnedValues, EmptyTextsAndByteSetsAreNull)
{
    EXPECT_EQ(rt::NewText(""), nullptr);
    EXPECT_EQ(rt::NewByteSet("x", 0), nullptr);
    char* text = rt::NewText("图片");
    EXPECT_STREQ(text, "图片");
    rt::FreeMem(text);
}

TEST(OwnedValues, ByteSetLayoutIsOneThenCountThenBytes)
{
    void* set = rt::NewByteSet("\x00\xff\x10", 3);
    auto* words = static_cast<int32_t*>(set);
    EXPECT_EQ(words[0], 1);
    EXPECT_EQ(words[1], 3);
    EXPECT_EQ(rt::ByteSetData(set)[1], 0xff);
    rt::ReleaseValue(set, rt::kByteSet);
}

TEST(OwnedValues, ReleasingATextArrayReleasesItsElements)
{
    // Two dimensions put the elements off pointer alignment; the release must cope.
    size_t header = sizeof(int32_t) * 3;
    auto* array = static_cast<unsigned char*>(rt::AllocMem(header + 2 * sizeof(void*)));
    int32_t dims[3] = {2, 1, 2};
    std::memcpy(array, dims, sizeof dims);
    char* elements[2] = {rt::NewText("a"), rt::NewText("b")};
    std::memcpy(array + header, elements, sizeof elements);
    EXPECT_EQ(rt::ArrayBlockSize(array, sizeof(void*)), header + 2 * sizeof(void*));
    rt::ReleaseValue(array, rt::kText | rt::kArrayBit);
}

TEST(ValueTriple, PointersUseLowAndHighTogether)
{
    int target = 0;
    rt::ValueTriple t = rt::MakePointerValue(&target, rt::kText);
    EXPECT_EQ(t.pointer(), &target);
    if (sizeof(void*) == 4) {
        EXPECT_EQ(t.high, 0u);
    }
    EXPECT_EQ(rt::MakeDouble(-2.5).doubleValue(), -2.5);
    EXPECT_EQ(rt::MakeLong(-5).longValue(), -5);
}

}  // namespace

#ifndef _WIN32
namespace {

void* FailingAllocate(size_t) { return nullptr; }

[[noreturn]] void AllocateThroughFailingHeap()
{
    rt::HeapBackend failing = rt::DefaultHeapBackend();
    failing.allocate = FailingAllocate;
    rt::SetHeapBackend(failing);
    rt::AllocMem(12345);
    std::abort();
}

}  // namespace

// The native build reports on standard error; the Windows box is tested through the runtime probe.
TEST(MemoryDeathTest, AllocationFailureReportsTheRequestedCountAndEndsWithMinusOne)
{
    EXPECT_EXIT(AllocateThroughFailingHeap(), ::testing::ExitedWithCode(255), "12345");
}

TEST(Memory, TryAllocMemGivesNullInsteadOfEndingTheProcess)
{
    rt::HeapBackend failing = rt::DefaultHeapBackend();
    failing.allocate = FailingAllocate;
    rt::SetHeapBackend(failing);
    EXPECT_EQ(rt::TryAllocMem(100), nullptr);
    rt::SetHeapBackend(rt::DefaultHeapBackend());
}
#endif
