// A step of the program that did not happen within its bound, or happened otherwise than the
// driver asked: the test or run that drives it stops there and reports what it waited for.
#pragma once

#include <stdexcept>
#include <string>

namespace splitter {

std::string Utf8(const std::wstring& text);
std::wstring Wide(const std::string& utf8);

class DriverError : public std::runtime_error {
public:
    explicit DriverError(const std::wstring& what) : std::runtime_error(Utf8(what)) {}
};

}  // namespace splitter
