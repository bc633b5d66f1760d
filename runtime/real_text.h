// The runtime's text forms of reals and logicals, which ToText, WriteTextToFile, MessageBox and the
// edit box's typed input share.
#pragma once

#include <string>

namespace rt {

// Shortest digits that read back as the same value, fixed or with an exponent, whichever is shorter
// ("0.1", "3", "1e+20"); no trailing zeros.
std::string RealText(double value);
std::string SingleText(float value);
// "真" or "假".
std::string LogicalText(bool value);

}  // namespace rt
