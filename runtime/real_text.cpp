#include "runtime/real_text.h"

#include <charconv>

namespace rt {
namespace {

template <typename Real>
std::string ShortestText(Real value)
{
    // Negative zero reads as plain 0.
    if (value == 0) {
        return "0";
    }
    char digits[64];
    auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    return error == std::errc() ? std::string(digits, end) : std::string();
}

}  // namespace

std::string RealText(double value) { return ShortestText(value); }
std::string SingleText(float value) { return ShortestText(value); }
std::string LogicalText(bool value) { return value ? "真" : "假"; }

}  // namespace rt
