// GBK characters of an edit box's text. The edit control counts characters; the unit's selection
// properties count GBK bytes, like every text position of the system. A GBK character is one byte
// below 0x81, else a lead byte 0x81-0xFE and a trail byte, and each is one character of the control.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace rt::units {

// The byte offset where the character with that index starts (the text's size past its end).
size_t GbkByteOffset(std::string_view text, size_t characterIndex);
// The index of the character holding the byte at that offset (the character count past the end).
size_t GbkCharacterIndex(std::string_view text, size_t byteOffset);

// The password character: the stored code is the character's GBK bytes as one number (a lead
// byte in the high byte). An empty text gives "*", so that a password box always hides its text.
uint16_t PasswordCharCode(std::string_view text);
std::string PasswordCharText(uint16_t code);

}  // namespace rt::units
