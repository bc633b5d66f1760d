#include <windows.h>

#include "runtime/text_codec.h"

namespace rt {

std::wstring WideFromGbk(std::string_view gbk)
{
    if (gbk.empty()) return {};
    int length = MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), static_cast<int>(gbk.size()), wide.data(), length);
    return wide;
}

std::string GbkFromWide(std::wstring_view wide)
{
    if (wide.empty()) return {};
    int length =
        WideCharToMultiByte(kGbkCodePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string gbk(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(kGbkCodePage, 0, wide.data(), static_cast<int>(wide.size()), gbk.data(), length, nullptr,
                        nullptr);
    return gbk;
}

}  // namespace rt
