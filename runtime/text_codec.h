// Texts cross into Windows as wide strings, converted from and back to GBK (code page 936)
// explicitly, so they show correctly whatever the system code page is.
#pragma once

#include <string>
#include <string_view>

namespace rt {

constexpr unsigned kGbkCodePage = 936;

std::wstring WideFromGbk(std::string_view gbk);
std::string GbkFromWide(std::wstring_view wide);

}  // namespace rt
