#include "runtime/number_text.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace rt {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The single-byte form of the double-byte character lead, trail, or 0 when it has none.
char SingleByteForm(unsigned char lead, unsigned char trail)
{
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail & 0x7F);
    if (lead != 0xA1) return 0;
    switch (trail) {
    case 0xA1:
        return ' ';
    case 0xAB:
        return '~';
    case 0xEE:
    case 0xEF:
        return '*';
    default:
        return 0;
    }
}

size_t SkipDigits(std::string_view text, size_t at)
{
    while (at < text.size() && IsDigit(text[at])) ++at;
    return at;
}

// Where the exponent after at ends, or at when there is none (an "e" without digits is not one).
size_t ExponentEnd(std::string_view text, size_t at)
{
    if (at >= text.size() || (text[at] != 'e' && text[at] != 'E')) return at;
    size_t digits = at + 1;
    if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) ++digits;
    size_t end = SkipDigits(text, digits);
    return end > digits ? end : at;
}

// Whether an out-of-range number is too large (rather than too small): its first significant digit
// stands at a positive power of ten once the exponent is applied.
bool IsLarge(std::string_view number, size_t integerDigits)
{
    int64_t magnitude = 0;
    size_t at = 0;
    while (at < integerDigits && number[at] == '0') ++at;
    if (at < integerDigits) {
        magnitude = static_cast<int64_t>(integerDigits - at);
    } else {
        at = integerDigits + 1;
        while (at < number.size() && number[at] == '0') ++at;
        magnitude = -static_cast<int64_t>(at - integerDigits - 1);
    }
    size_t e = number.find_first_of("eE");
    if (e == std::string_view::npos) return magnitude > 0;
    bool negativeExponent = number[e + 1] == '-';
    int64_t exponent = 0;
    for (size_t i = e + 1; i < number.size(); ++i) {
        if (IsDigit(number[i]) && exponent < 1000000000) exponent = exponent * 10 + (number[i] - '0');
    }
    return magnitude + (negativeExponent ? -exponent : exponent) > 0;
}

}  // namespace

std::string NormaliseFullWidth(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80 || i + 1 >= text.size()) {
            out += text[i];
            continue;
        }
        char single = SingleByteForm(lead, static_cast<unsigned char>(text[i + 1]));
        if (single) {
            out += single;
        } else {
            out.append(text.substr(i, 2));
        }
        ++i;
    }
    return out;
}

double ParseDecimalPrefix(std::string_view text)
{
    size_t at = 0;
    while (at < text.size() && IsSpace(text[at])) ++at;
    bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;

    size_t start = at;
    size_t integerEnd = SkipDigits(text, start);
    size_t end = integerEnd;
    if (end < text.size() && text[end] == '.') end = SkipDigits(text, end + 1);
    // A lone point has no digits.
    if (end - start == 0 || (end - start == 1 && text[start] == '.')) return 0.0;
    end = ExponentEnd(text, end);

    double value = 0.0;
    // from_chars leaves the value alone when it is out of range.
    if (std::from_chars(text.data() + start, text.data() + end, value).ec == std::errc::result_out_of_range) {
        value = IsLarge(text.substr(start, end - start), integerEnd - start) ? std::numeric_limits<double>::infinity()
                                                                             : 0.0;
    }
    return negative ? -value : value;
}

}  // namespace rt
