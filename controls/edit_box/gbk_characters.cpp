#include "controls/edit_box/gbk_characters.h"

namespace rt::units {
namespace {

bool IsLeadByte(char c)
{
    auto byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xfe;
}

// The size of the character starting at offset.
size_t CharacterSize(std::string_view text, size_t offset)
{
    return IsLeadByte(text[offset]) && offset + 1 < text.size() ? 2 : 1;
}

}  // namespace

size_t GbkByteOffset(std::string_view text, size_t characterIndex)
{
    size_t offset = 0;
    for (size_t index = 0; index < characterIndex && offset < text.size(); ++index) {
        offset += CharacterSize(text, offset);
    }
    return offset;
}

size_t GbkCharacterIndex(std::string_view text, size_t byteOffset)
{
    size_t index = 0;
    for (size_t offset = 0; offset < text.size(); ++index) {
        offset += CharacterSize(text, offset);
        if (offset > byteOffset) {
            return index;
        }
    }
    return index;
}

uint16_t PasswordCharCode(std::string_view text)
{
    if (text.empty()) {
        return '*';
    }
    auto lead = static_cast<unsigned char>(text[0]);
    if (CharacterSize(text, 0) == 2) {
        return static_cast<uint16_t>(lead << 8 | static_cast<unsigned char>(text[1]));
    }
    return lead;
}

std::string PasswordCharText(uint16_t code)
{
    if (code == 0) {
        return {};
    }
    if (code > 0xff) {
        return {static_cast<char>(code >> 8), static_cast<char>(code & 0xff)};
    }
    return std::string(1, static_cast<char>(code));
}

}  // namespace rt::units
