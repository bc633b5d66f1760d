// Bounded reading of untrusted bytes: a stream over memory or a file, and a little-endian reader
// on top of it that remembers the first failure instead of reading past the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace rt {

class ByteStream {
public:
    virtual ~ByteStream() = default;
    // Reads up to size bytes; returns how many were read (fewer only at the end or on error).
    virtual size_t read(void* destination, size_t size) = 0;
    virtual bool seek(uint64_t position) = 0;
    virtual uint64_t tell() const = 0;
    virtual uint64_t size() const = 0;
};

class MemoryStream final : public ByteStream {
public:
    MemoryStream(const void* data, size_t size) : data_(static_cast<const uint8_t*>(data)), size_(size) {}
    size_t read(void* destination, size_t size) override;
    bool seek(uint64_t position) override;
    uint64_t tell() const override { return position_; }
    uint64_t size() const override { return size_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

// How a file is shared while it is open for reading.
enum class FileSharing { kAll, kDenyWrite };

// Opens a file (GBK path) for binary reading; null when it cannot be opened.
std::unique_ptr<ByteStream> OpenFileStream(const std::string& gbkPath, FileSharing sharing);

class ByteReader {
public:
    explicit ByteReader(ByteStream& stream) : stream_(stream) {}

    uint8_t u8();
    uint16_t u16();
    uint32_t u32();
    int32_t i32() { return static_cast<int32_t>(u32()); }
    // Copies exactly size bytes or fails (the destination is then zero-filled).
    bool bytes(void* destination, size_t size);
    bool skip(uint64_t count);
    bool seek(uint64_t position);

    uint64_t tell() const { return stream_.tell(); }
    uint64_t remaining() const { return stream_.size() > stream_.tell() ? stream_.size() - stream_.tell() : 0; }
    // False once any read has come up short; later reads then give zeros.
    bool ok() const { return ok_; }
    void fail() { ok_ = false; }

private:
    ByteStream& stream_;
    bool ok_ = true;
};

}  // namespace rt
