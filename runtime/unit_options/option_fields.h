// Reading and writing a unit kind's property data: its options. Each kind's options struct lists
// its fields once, in stored order, in a static Layout(options, field, version); the reader and
// writer below walk that list, and so can any other visitor that takes each field by name.
//
// Property data is a u32 version, then the fields of that version. Empty data gives the kind's
// defaults. Refused: a version above the kind's maximum, and data that ends inside a field. Bytes
// after the last field are ignored. Writing always uses the kind's highest version.
//
// Field types and how they are stored: int32_t, uint32_t (u32); bool (u32, non-zero is true);
// uint16_t (u16); std::string (u32 count, GBK bytes, no terminator); std::vector<uint8_t> (u32
// count, bytes); std::optional<FontDescription> (u32 count, then 60 bytes or none; a font of any
// other size is passed over and reads as none, the default font).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/unit_options/font_description.h"
#include "runtime/byte_stream.h"
#include "runtime/templates/byte_writer.h"

namespace rt {

class FieldReader {
public:
    explicit FieldReader(ByteReader& reader) : reader_(reader) {}

    void operator()(const char*, int32_t& value) { value = reader_.i32(); }
    void operator()(const char*, uint32_t& value) { value = reader_.u32(); }
    void operator()(const char*, bool& value) { value = reader_.u32() != 0; }
    void operator()(const char*, uint16_t& value) { value = reader_.u16(); }
    void operator()(const char*, std::string& value);
    void operator()(const char*, std::vector<uint8_t>& value);
    void operator()(const char*, std::optional<FontDescription>& value);

private:
    ByteReader& reader_;
};

class FieldWriter {
public:
    explicit FieldWriter(ByteWriter& writer) : writer_(writer) {}

    void operator()(const char*, const int32_t& value) { writer_.i32(value); }
    void operator()(const char*, const uint32_t& value) { writer_.u32(value); }
    void operator()(const char*, const bool& value) { writer_.u32(value ? 1 : 0); }
    void operator()(const char*, const uint16_t& value) { writer_.u16(value); }
    void operator()(const char*, const std::string& value) { writer_.countedText(value); }
    void operator()(const char*, const std::vector<uint8_t>& value) { writer_.countedBytes(value); }
    void operator()(const char*, const std::optional<FontDescription>& value);

private:
    ByteWriter& writer_;
};

// The options held in property data, or nullopt when the data is refused.
template <class Options>
std::optional<Options> ReadOptions(const uint8_t* data, size_t size)
{
    Options options;
    if (size == 0) {
        return options;
    }
    MemoryStream stream(data, size);
    ByteReader reader(stream);
    uint32_t version = reader.u32();
    if (!reader.ok() || version > Options::kMaxVersion) {
        return std::nullopt;
    }
    FieldReader field(reader);
    Options::Layout(options, field, version);
    if (!reader.ok()) {
        return std::nullopt;
    }
    return options;
}

template <class Options>
std::optional<Options> ReadOptions(const std::vector<uint8_t>& data)
{
    return ReadOptions<Options>(data.data(), data.size());
}

template <class Options>
std::vector<uint8_t> WriteOptions(const Options& options)
{
    ByteWriter writer;
    writer.u32(Options::kMaxVersion);
    FieldWriter field(writer);
    Options::Layout(options, field, Options::kMaxVersion);
    return writer.take();
}

}  // namespace rt
