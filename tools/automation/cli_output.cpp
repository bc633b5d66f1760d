// Printing for automate.exe. Bytes go out with WriteFile so no C runtime translation touches the
// UTF-8; a console gets the wide text directly.
#include "tools/automation/cli_output.h"

#include <cwchar>

namespace automation::cli {
namespace {

std::string Utf8(const std::wstring& text)
{
    if (text.empty()) {
        return {};
    }
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

void WriteLine(DWORD which, const std::wstring& line)
{
    HANDLE out = GetStdHandle(which);
    if (!out || out == INVALID_HANDLE_VALUE) {
        return;
    }
    const std::wstring text = line + L"\n";
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(out, &mode)) {
        WriteConsoleW(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const std::string bytes = Utf8(text);
    WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace

void PrintLine(const std::wstring& line) { WriteLine(STD_OUTPUT_HANDLE, line); }

void PrintError(const std::wstring& line) { WriteLine(STD_ERROR_HANDLE, L"automate: " + line); }

std::wstring HandleText(HWND window)
{
    wchar_t text[32];
    swprintf(text, std::size(text), L"0x%llX", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(window)));
    return text;
}

std::wstring OneLine(const std::wstring& text)
{
    std::wstring line;
    for (wchar_t c : text) {
        switch (c) {
        case L'\r':
            line += L"\\r";
            break;
        case L'\n':
            line += L"\\n";
            break;
        case L'\t':
            line += L"\\t";
            break;
        default:
            line += c;
        }
    }
    return line;
}

std::wstring UnixLineEnds(const std::wstring& text)
{
    std::wstring result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') {
            continue;
        }
        result += text[i];
    }
    return result;
}

}  // namespace automation::cli
