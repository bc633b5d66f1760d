// The read loop of HttpRead driven from memory: how it ends, what it keeps, and the body limit and
// refused allocations that keep a misbehaving server from ending the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "commands/internet/body_reader.h"
#include "runtime/memory.h"
#include "runtime/owned_values.h"
#include "runtime/values.h"

namespace {

// Gives the body in pieces of at most the asked size (at most pieceLimit when set), then empty
// reads; or fails after failAfter reads. Records every asked size.
class MemorySource : public rt::commands::BodySource {
public:
    explicit MemorySource(std::string body) : body_(std::move(body)) {}

    bool Read(uint8_t* buffer, uint32_t size, uint32_t& received) override
    {
        asked.push_back(size);
        if (failAfter && asked.size() > *failAfter) {
            return false;
        }
        size_t count = std::min<size_t>({size, body_.size() - position_, pieceLimit.value_or(size)});
        std::memcpy(buffer, body_.data() + position_, count);
        position_ += count;
        received = static_cast<uint32_t>(count) + overstate;
        return true;
    }

    std::vector<uint32_t> asked;
    std::optional<size_t> failAfter;
    std::optional<size_t> pieceLimit;
    uint32_t overstate = 0;

private:
    std::string body_;
    size_t position_ = 0;
};

// Sends the same byte for ever.
class EndlessSource : public rt::commands::BodySource {
public:
    bool Read(uint8_t* buffer, uint32_t size, uint32_t& received) override
    {
        std::memset(buffer, 'e', size);
        received = size;
        ++reads;
        return true;
    }
    size_t reads = 0;
};

std::string TakeBody(void* byteSet)
{
    std::string body(reinterpret_cast<const char*>(rt::ByteSetData(byteSet)), rt::ByteSetSize(byteSet));
    rt::FreeMem(byteSet);
    return body;
}

std::string Pattern(size_t size)
{
    std::string text(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        text[i] = static_cast<char>('A' + (i * 7 + i / 26) % 26);
    }
    return text;
}

TEST(ReadSize, TheContentLengthPlusOneAtMost102400ElseTheDefault)
{
    const std::pair<std::optional<std::string_view>, uint32_t> cases[] = {
        {std::nullopt, 10240},
        {"", 10240},
        {"0", 10240},
        {"-5", 10240},
        {"abc", 10240},
        {"1", 2},
        {"300", 301},
        {" 300", 301},
        {"300abc", 301},
        {"+7", 8},
        {"102398", 102399},
        {"102399", 102400},
        {"102400", 102400},
        {"1000000", 102400},
        {"99999999999999999999999999", 102400},
        {"4294967297", 102400},
    };
    for (const auto& [length, size] : cases) {
        EXPECT_EQ(rt::commands::ReadSizeFor(length), size) << (length ? std::string(*length) : "none");
    }
}

TEST(ReadBody, ABodyWithItsLengthArrivesInOneReadAndTheEmptyRead)
{
    MemorySource source("notice text");
    EXPECT_EQ(TakeBody(rt::commands::ReadBody(source, 12)), "notice text");
    EXPECT_EQ(source.asked, (std::vector<uint32_t>{12, 12}));
}

TEST(ReadBody, PiecesOfAnySizeAreJoinedInOrder)
{
    const std::string body = Pattern(50000);
    for (size_t piece : {1u, 127u, 128u, 129u, 4096u, 10240u}) {
        MemorySource source(body);
        source.pieceLimit = piece;
        EXPECT_EQ(TakeBody(rt::commands::ReadBody(source, rt::commands::kReadSizeWithoutLength)), body) << piece;
    }
}

TEST(ReadBody, NothingReceivedIsTheEmptyByteSet)
{
    MemorySource empty("");
    EXPECT_EQ(rt::commands::ReadBody(empty, 10240), nullptr);
    MemorySource failing("never read");
    failing.failAfter = 0;
    EXPECT_EQ(rt::commands::ReadBody(failing, 10240), nullptr);
    MemorySource unused("x");
    EXPECT_EQ(rt::commands::ReadBody(unused, 0), nullptr);
    EXPECT_TRUE(unused.asked.empty());
}

TEST(ReadBody, AFailedReadKeepsWhatCameBefore)
{
    MemorySource source(Pattern(30000));
    source.failAfter = 2;
    EXPECT_EQ(TakeBody(rt::commands::ReadBody(source, 10240)), Pattern(20480));
}

TEST(ReadBody, AReadClaimingMoreThanTheBufferKeepsOnlyTheBuffer)
{
    MemorySource source(Pattern(100));
    source.overstate = 1000000;
    source.failAfter = 1;
    EXPECT_EQ(TakeBody(rt::commands::ReadBody(source, 64)), Pattern(64));
}

TEST(ReadBody, AnEndlessBodyEndsAtTheLimit)
{
    for (uint32_t readSize : {rt::commands::kReadSizeWithoutLength, rt::commands::kLargestReadSize, 1000u}) {
        EndlessSource source;
        std::string body = TakeBody(rt::commands::ReadBody(source, readSize));
        EXPECT_EQ(body.size(), rt::commands::kBodyLimit) << readSize;
        EXPECT_EQ(body.find_first_not_of('e'), std::string::npos);
        EXPECT_EQ(source.reads, (rt::commands::kBodyLimit + readSize - 1) / readSize) << "no read after the limit";
    }
}

TEST(ReadBody, ABodyOfExactlyTheLimitIsWhole)
{
    MemorySource source(Pattern(rt::commands::kBodyLimit));
    EXPECT_EQ(TakeBody(rt::commands::ReadBody(source, rt::commands::kLargestReadSize)),
              Pattern(rt::commands::kBodyLimit));
}

// Blocks above the threshold are refused, as a heap out of room would refuse them.
size_t refuseAbove = 0;
void* RefusingAllocate(size_t size) { return size > refuseAbove ? nullptr : rt::DefaultHeapBackend().allocate(size); }

class RefusedAllocationTest : public testing::Test {
protected:
    void SetUp() override
    {
        rt::HeapBackend refusing = rt::DefaultHeapBackend();
        refusing.allocate = RefusingAllocate;
        rt::SetHeapBackend(refusing);
    }
    void TearDown() override { rt::SetHeapBackend(rt::DefaultHeapBackend()); }
};

TEST_F(RefusedAllocationTest, TheTransferEndsWithWhatWasReceivedBeforeTheRefusal)
{
    // The block grows to the received bytes + 128 (+ the byte set's 8-byte head) on each append:
    // 19 pieces of 10,240 bytes fit in 200,000, the 20th does not.
    refuseAbove = 200000;
    EndlessSource source;
    std::string body = TakeBody(rt::commands::ReadBody(source, rt::commands::kReadSizeWithoutLength));
    EXPECT_EQ(body.size(), 19u * rt::commands::kReadSizeWithoutLength);
    EXPECT_EQ(source.reads, 20u);
}

TEST_F(RefusedAllocationTest, ARefusedReadBufferGivesTheEmptyByteSet)
{
    refuseAbove = 1000;
    MemorySource source("body");
    EXPECT_EQ(rt::commands::ReadBody(source, 10240), nullptr);
    EXPECT_TRUE(source.asked.empty());
}

}  // namespace
