// What an edit box in a typed input mode lets the user type, and how its text is normalised when it
// loses the focus. Windows-free, so the rules can be checked natively.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rt::units {

// InputMode values: 0 normal, 1 read only, 2 password, then the typed input modes.
enum EditInputMode : int32_t {
    kInputNormal = 0,
    kInputReadOnly = 1,
    kInputPassword = 2,
    kInputSignedDigits = 3,
    kInputDecimalDigits = 4,
    kInputByte = 5,
    kInputShort = 6,
    kInputInteger = 7,
    kInputLong = 8,
    kInputSingle = 9,
    kInputDouble = 10,
    kInputDateTime = 11,
};

// Control characters (below 32) always pass; modes 3, 6, 7, 8 take "-" and digits, 4, 9, 10 also
// ".", 5 digits only; every other mode takes everything.
bool AcceptsTypedCharacter(int32_t mode, uint32_t character);

// The text a box of the mode shows after losing the focus. Modes 5-8 read an integer (clamped to
// the mode's range), 9 and 10 a real, 11 a date-time; for 5-10 a result of "0" is the empty text.
// Other modes give the text unchanged.
std::string NormaliseTypedText(int32_t mode, std::string_view text);

// An integer at the start of the text: leading white space, an optional sign, digits; reading stops
// at the first other byte. No digits give 0; a number beyond the 64-bit range gives its nearest
// limit.
int64_t ReadInteger64(std::string_view text);

}  // namespace rt::units
