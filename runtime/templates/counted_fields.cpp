#include "runtime/templates/counted_fields.h"

namespace rt {

namespace {

// The count of the field that follows, when that many bytes are left.
bool ReadCount(ByteReader& reader, size_t& count)
{
    uint32_t stored = reader.u32();
    if (!reader.ok() || stored > reader.remaining()) {
        reader.fail();
        return false;
    }
    count = stored;
    return true;
}

}  // namespace

bool ReadCountedText(ByteReader& reader, std::string& text)
{
    size_t count = 0;
    if (!ReadCount(reader, count)) {
        return false;
    }
    text.resize(count);
    return reader.bytes(text.data(), count);
}

bool ReadCountedBytes(ByteReader& reader, std::vector<uint8_t>& bytes)
{
    size_t count = 0;
    if (!ReadCount(reader, count)) {
        return false;
    }
    bytes.resize(count);
    return reader.bytes(bytes.data(), count);
}

bool ReadZeroText(ByteReader& reader, std::string& text)
{
    text.clear();
    for (uint8_t c = reader.u8(); reader.ok() && c != 0; c = reader.u8()) {
        text.push_back(static_cast<char>(c));
    }
    return reader.ok();
}

bool ReadCountedView(ByteReader& reader, const uint8_t* base, std::span<const uint8_t>& view)
{
    size_t count = 0;
    if (!ReadCount(reader, count)) {
        return false;
    }
    view = {base + reader.tell(), count};
    return reader.skip(count);
}

}  // namespace rt
