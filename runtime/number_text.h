// Reading a number from a text as ToNumber does: full-width GBK characters are first replaced by
// their single-byte forms, then the longest decimal number at the start is read.
#pragma once

#include <string>
#include <string_view>

namespace rt {

// 0xA3 xx (xx 0xA1..0xFE) becomes the ASCII byte xx & 0x7F, the full-width space 0xA1 0xA1 a space,
// 0xA1 0xAB "~", 0xA1 0xEE and 0xA1 0xEF "*". Other characters stay; the scan steps over
// double-byte characters so a second byte is never taken for a first.
std::string NormaliseFullWidth(std::string_view text);

// The C library's decimal reading, whatever the locale: leading white space, optional sign, digits
// with an optional point and fraction, an optional exponent; reading stops at the first byte that
// does not fit. No digits give 0; a value too large gives infinity, one too small zero.
double ParseDecimalPrefix(std::string_view text);

}  // namespace rt
