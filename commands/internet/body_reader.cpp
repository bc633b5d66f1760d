#include "commands/internet/body_reader.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "runtime/memory.h"
#include "runtime/values.h"

namespace rt::commands {
namespace {

struct FreeMemDeleter {
    void operator()(void* block) const { FreeMem(block); }
};
using OwnedBlock = std::unique_ptr<uint8_t, FreeMemDeleter>;

// The bytes received so far, kept in byte-set layout so that the finished body needs no copy.
// Every block comes from the allocation that may refuse: a refusal ends the transfer, never the
// program.
class ReceivedBytes {
public:
    size_t size() const { return size_; }

    // False when the block could not grow; the bytes received before stay.
    bool Append(const uint8_t* data, size_t count)
    {
        size_t needed = size_ + count;
        if (needed > capacity_ && !Grow(needed)) {
            return false;
        }
        std::memcpy(block_.get() + sizeof(ByteSetHeader) + size_, data, count);
        size_ = needed;
        return true;
    }

    // The byte set of the received bytes, or null when there are none.
    void* Release()
    {
        if (size_ == 0) {
            return nullptr;
        }
        ByteSetHeader header{1, static_cast<int32_t>(size_)};
        std::memcpy(block_.get(), &header, sizeof header);
        return block_.release();
    }

private:
    // At least doubles, so that a long body is copied only a few times; when the doubled block is
    // refused, the needed size with its slack may still be given.
    bool Grow(size_t needed)
    {
        size_t exact = needed + kGrowthSlack;
        size_t doubled = std::min(capacity_ * 2, kBodyLimit + kGrowthSlack);
        return (doubled > exact && GrowTo(doubled)) || GrowTo(exact);
    }

    bool GrowTo(size_t capacity)
    {
        OwnedBlock grown(static_cast<uint8_t*>(TryAllocMem(sizeof(ByteSetHeader) + capacity)));
        if (!grown) {
            return false;
        }
        if (size_ > 0) {
            std::memcpy(grown.get() + sizeof(ByteSetHeader), block_.get() + sizeof(ByteSetHeader), size_);
        }
        block_ = std::move(grown);
        capacity_ = capacity;
        return true;
    }

    OwnedBlock block_;
    size_t capacity_ = 0;
    size_t size_ = 0;
};

// The leading decimal digits after any blanks and a plus sign, held at UINT64_MAX; 0 without digits.
uint64_t LeadingNumber(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    if (i < text.size() && text[i] == '+') {
        ++i;
    }
    uint64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        uint64_t digit = static_cast<uint64_t>(text[i] - '0');
        if (value > (UINT64_MAX - digit) / 10) {
            return UINT64_MAX;
        }
        value = value * 10 + digit;
    }
    return value;
}

}  // namespace

uint32_t ReadSizeFor(std::optional<std::string_view> contentLength)
{
    uint64_t length = contentLength ? LeadingNumber(*contentLength) : 0;
    if (length == 0) {
        return kReadSizeWithoutLength;
    }
    return static_cast<uint32_t>(std::min<uint64_t>(length, kLargestReadSize - 1) + 1);
}

void* ReadBody(BodySource& source, uint32_t readSize)
{
    if (readSize == 0) {
        return nullptr;
    }
    OwnedBlock buffer(static_cast<uint8_t*>(TryAllocMem(readSize)));
    if (!buffer) {
        return nullptr;
    }
    ReceivedBytes body;
    for (;;) {
        uint32_t received = 0;
        if (!source.Read(buffer.get(), readSize, received) || received == 0) {
            break;
        }
        size_t kept = std::min<size_t>({received, readSize, kBodyLimit - body.size()});
        if (!body.Append(buffer.get(), kept) || body.size() == kBodyLimit) {
            break;
        }
    }
    return body.Release();
}

}  // namespace rt::commands
