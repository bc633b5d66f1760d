// Fuzzes HttpRead's response handling without a network: the content-length header's text, a
// script of reads (pieces of any size, whole reads repeated, empty reads, failed reads) and refused
// allocations come from the input. Whatever the server does, the body must be exactly the bytes it
// sent, held to the body limit (a prefix of them when an allocation was refused), every read must
// ask for the read size, and the notice made from the body must parse.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/notice_links.h"
#include "commands/internet/body_reader.h"
#include "runtime/memory.h"
#include "runtime/values.h"

namespace {

constexpr uint8_t kNoContentLength = 0xFF;
constexpr size_t kLongestHeader = 31;  // HttpRead queries the header into 32 bytes
constexpr size_t kLongestParsedNotice = 64 * 1024;

// Refuses the allocations whose number (from 0) has its bit set in the input's mask.
struct RefusingHeap {
    static inline uint32_t refusals = 0;
    static inline uint32_t allocations = 0;
    static inline bool refused = false;

    static void* Allocate(size_t size)
    {
        uint32_t number = allocations++;
        if (number < 32 && (refusals >> number & 1) != 0) {
            refused = true;
            return nullptr;
        }
        return rt::DefaultHeapBackend().allocate(size);
    }
    static void* Reallocate(void* block, size_t size) { return rt::DefaultHeapBackend().reallocate(block, size); }
    static void Release(void* block) { rt::DefaultHeapBackend().release(block); }
};

// The server's side: each script entry of two bytes is one kind of read. The body's bytes are the
// input's remaining bytes, repeated, so that a short script can still send up to the limit.
class ScriptedServer : public rt::commands::BodySource {
public:
    ScriptedServer(std::string_view script, std::string_view body, uint32_t readSize)
        : script_(script), body_(body.empty() ? std::string_view("body") : body), readSize_(readSize)
    {
        // The body repeated to cover a whole read from any place in it, so that each read is one copy.
        const size_t needed = body_.size() + readSize;
        wheel_.reserve(2 * needed);
        wheel_ = body_;
        while (wheel_.size() < needed) {
            wheel_.append(wheel_.data(), wheel_.size());
        }
    }

    bool Read(uint8_t* buffer, uint32_t size, uint32_t& received) override
    {
        if (size != readSize_) {
            std::abort();
        }
        if (repeats_ > 0) {
            --repeats_;
            received = Send(buffer, size);
            return true;
        }
        if (script_.size() < 2) {
            received = 0;  // the end of the script is the end of the body
            return true;
        }
        const uint8_t kind = static_cast<uint8_t>(script_[0]) >> 6;
        const uint32_t value = (static_cast<uint8_t>(script_[0]) & 0x3F) << 8 | static_cast<uint8_t>(script_[1]);
        script_.remove_prefix(2);
        switch (kind) {
        case 0:  // a piece of up to 16383 bytes
            received = Send(buffer, std::min(value, size));
            return true;
        case 1:  // whole reads, value + 1 of them
            repeats_ = value;
            received = Send(buffer, size);
            return true;
        case 2:  // an empty read: the transfer is complete
            received = 0;
            return true;
        default:  // the connection broke
            return false;
        }
    }

    size_t sent() const { return sent_; }

    // Whether the bytes are the first ones sent: the body's bytes, then each byte the same as the one
    // a round of the body earlier.
    bool StartsWhatWasSent(std::string_view bytes) const
    {
        const size_t round = std::min(body_.size(), bytes.size());
        return bytes.size() <= sent_ && bytes.substr(0, round) == body_.substr(0, round) &&
               bytes.substr(round) == bytes.substr(0, bytes.size() - round);
    }

private:
    uint32_t Send(uint8_t* buffer, uint32_t count)
    {
        std::memcpy(buffer, wheel_.data() + position_, count);
        position_ = (position_ + count) % body_.size();
        sent_ += count;
        return count;
    }

    std::string_view script_;
    std::string_view body_;
    uint32_t readSize_;
    std::string wheel_;
    uint32_t repeats_ = 0;
    size_t position_ = 0;
    size_t sent_ = 0;
};

// The input: the header's length (0xFF: no header) and text, four bytes of allocation refusals, the
// script's entry count and entries, then the body's bytes.
struct Exchange {
    std::optional<std::string_view> contentLength;
    uint32_t refusals = 0;
    std::string_view script;
    std::string_view body;
};

std::optional<Exchange> Parse(std::string_view input)
{
    Exchange exchange;
    if (input.empty()) {
        return std::nullopt;
    }
    const uint8_t headerLength = static_cast<uint8_t>(input[0]);
    input.remove_prefix(1);
    if (headerLength != kNoContentLength) {
        size_t length = std::min<size_t>({headerLength, kLongestHeader, input.size()});
        exchange.contentLength = input.substr(0, length);
        input.remove_prefix(length);
    }
    if (input.size() < 5) {
        return std::nullopt;
    }
    std::memcpy(&exchange.refusals, input.data(), 4);
    const size_t scriptLength = std::min<size_t>(static_cast<uint8_t>(input[4]) * 2u, input.size() - 5);
    exchange.script = input.substr(5, scriptLength);
    exchange.body = input.substr(5 + scriptLength);
    return exchange;
}

std::string TakeBody(void* byteSet)
{
    if (byteSet != nullptr &&
        (static_cast<const rt::ByteSetHeader*>(byteSet)->dimensions != 1 || rt::ByteSetSize(byteSet) == 0)) {
        std::abort();  // a byte set is one-dimensional, and an empty body is the null byte set
    }
    std::string body(reinterpret_cast<const char*>(rt::ByteSetData(byteSet)), rt::ByteSetSize(byteSet));
    rt::FreeMem(byteSet);
    return body;
}

// The notice thread's reading of the body: the text up to its first zero byte. Long bodies are left
// to the notice target: their lines are scanned byte by byte, which under the fuzzer's
// instrumentation takes much of the time limit for a body at the limit.
void ParseAsNotice(const std::string& body)
{
    if (body.size() > kLongestParsedNotice) {
        return;
    }
    std::string_view text(body.data(), std::min(body.size(), body.find('\0')));
    if (app::NoticeLinks(text).size() > 3) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::optional<Exchange> exchange = Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!exchange) {
        return 0;
    }
    const uint32_t readSize = rt::ReadSizeFor(exchange->contentLength);
    if (readSize == 0 || readSize > rt::kLargestReadSize) {
        std::abort();
    }
    ScriptedServer server(exchange->script, exchange->body, readSize);
    RefusingHeap::refusals = exchange->refusals;
    RefusingHeap::allocations = 0;
    RefusingHeap::refused = false;
    rt::SetHeapBackend({RefusingHeap::Allocate, RefusingHeap::Reallocate, RefusingHeap::Release});
    void* byteSet = rt::ReadBody(server, readSize);
    rt::SetHeapBackend(rt::DefaultHeapBackend());

    const std::string body = TakeBody(byteSet);
    const size_t expected = std::min(server.sent(), rt::kBodyLimit);
    const bool whole = body.size() == expected;
    if (body.size() > expected || (!whole && !RefusingHeap::refused) || !server.StartsWhatWasSent(body)) {
        std::abort();
    }
    ParseAsNotice(body);
    return 0;
}
