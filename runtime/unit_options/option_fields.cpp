#include "runtime/unit_options/option_fields.h"

#include "runtime/templates/counted_fields.h"

namespace rt {

void FieldReader::operator()(const char*, std::string& value) { ReadCountedText(reader_, value); }

void FieldReader::operator()(const char*, std::vector<uint8_t>& value) { ReadCountedBytes(reader_, value); }

void FieldReader::operator()(const char*, std::optional<FontDescription>& value)
{
    std::vector<uint8_t> bytes;
    ReadCountedBytes(reader_, bytes);
    value.reset();
    if (bytes.size() == kFontDescriptionSize) {
        value = DecodeFont(bytes.data());
    }
}

void FieldWriter::operator()(const char*, const std::optional<FontDescription>& value)
{
    if (value) {
        writer_.countedBytes(EncodeFont(*value));
    } else {
        writer_.countedBytes({});
    }
}

}  // namespace rt
