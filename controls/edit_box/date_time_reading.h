// Reading a date-time typed into an edit box: the core library's own text form ("2024年3月5日",
// optionally followed by "14时7分9秒") and the numeric forms "2024-3-5" and "2024/3/5", optionally
// followed by a space and "14:07" or "14:07:09". White space around the whole is allowed.
#pragma once

#include <optional>
#include <string_view>

namespace rt::units {

// The OLE automation date of the text (days since 30 December 1899, the fraction the time of
// day); nothing when the text is not a valid date-time of the years 100 to 9999.
std::optional<double> ReadDateTime(std::string_view text);

}  // namespace rt::units
