// The words of one automate.exe command: options ("--name VALUE") anywhere, positional words in order.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <cstdint>
#include <string_view>
#include <vector>

namespace automation::cli {

constexpr DWORD kDefaultTimeoutMs = 10000;

// A command line that does not fit the command; automate.exe exits with status 2.
struct UsageError {
    std::wstring message;
};

class Arguments {
public:
    explicit Arguments(std::vector<std::wstring> words) : words_(std::move(words)) {}

    // Removes "--name VALUE" and returns VALUE; nothing when the option is absent.
    std::optional<std::wstring> TakeOption(std::wstring_view name);
    // Removes and returns the next positional word; what names it in the error when it is missing.
    std::wstring TakeWord(std::wstring_view what);
    std::optional<std::wstring> TakeOptionalWord();
    std::vector<std::wstring> TakeRest();
    // Fails with a usage error when words are left over.
    void ExpectEnd() const;

private:
    std::vector<std::wstring> words_;
};

// "0x" followed by hex digits, or decimal digits; the whole word, nothing after it.
uint64_t ParseNumber(const std::wstring& word, std::wstring_view what);
int ParseInt(const std::wstring& word, std::wstring_view what);
HWND ParseWindow(const std::wstring& word);
DWORD ParsePid(const std::wstring& word);
// --timeout MS, or the default.
DWORD TakeTimeout(Arguments& arguments);

}  // namespace automation::cli
