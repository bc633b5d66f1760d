// Reading automate.exe's command words.
#include "tools/automation/cli_arguments.h"

#include <climits>
#include <cstdint>
#include <utility>

namespace automation::cli {
namespace {

bool IsDigit(wchar_t c, int base)
{
    return (c >= L'0' && c <= L'9') || (base == 16 && ((c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F')));
}

unsigned DigitValue(wchar_t c)
{
    if (c >= L'0' && c <= L'9') {
        return static_cast<unsigned>(c - L'0');
    }
    return static_cast<unsigned>((c | 0x20) - L'a' + 10);
}

}  // namespace

std::optional<std::wstring> Arguments::TakeOption(std::wstring_view name)
{
    for (size_t i = 0; i < words_.size(); ++i) {
        if (words_[i] != name) {
            continue;
        }
        if (i + 1 == words_.size()) {
            throw UsageError{std::wstring(name) + L" needs a value"};
        }
        std::wstring value = words_[i + 1];
        words_.erase(words_.begin() + static_cast<ptrdiff_t>(i), words_.begin() + static_cast<ptrdiff_t>(i) + 2);
        return value;
    }
    return std::nullopt;
}

std::wstring Arguments::TakeWord(std::wstring_view what)
{
    std::optional<std::wstring> word = TakeOptionalWord();
    if (!word) {
        throw UsageError{L"missing " + std::wstring(what)};
    }
    return *word;
}

std::optional<std::wstring> Arguments::TakeOptionalWord()
{
    if (words_.empty()) {
        return std::nullopt;
    }
    std::wstring word = words_.front();
    words_.erase(words_.begin());
    return word;
}

std::vector<std::wstring> Arguments::TakeRest() { return std::exchange(words_, {}); }

void Arguments::ExpectEnd() const
{
    if (!words_.empty()) {
        throw UsageError{L"unexpected " + words_.front()};
    }
}

uint64_t ParseNumber(const std::wstring& word, std::wstring_view what)
{
    const bool hex = word.size() > 2 && word[0] == L'0' && (word[1] == L'x' || word[1] == L'X');
    const int base = hex ? 16 : 10;
    const size_t first = hex ? 2 : 0;
    if (word.size() <= first) {
        throw UsageError{L"not a number for " + std::wstring(what) + L": " + word};
    }
    uint64_t value = 0;
    for (size_t i = first; i < word.size(); ++i) {
        const uint64_t digit = IsDigit(word[i], base) ? DigitValue(word[i]) : UINT64_MAX;
        if (digit == UINT64_MAX || value > (UINT64_MAX - digit) / static_cast<uint64_t>(base)) {
            throw UsageError{L"not a number for " + std::wstring(what) + L": " + word};
        }
        value = value * static_cast<uint64_t>(base) + digit;
    }
    return value;
}

int ParseInt(const std::wstring& word, std::wstring_view what)
{
    const bool negative = !word.empty() && word[0] == L'-';
    const uint64_t magnitude = ParseNumber(negative ? word.substr(1) : word, what);
    if (magnitude > (negative ? uint64_t{INT_MAX} + 1 : uint64_t{INT_MAX})) {
        throw UsageError{L"number out of range for " + std::wstring(what) + L": " + word};
    }
    return negative ? static_cast<int>(-static_cast<int64_t>(magnitude)) : static_cast<int>(magnitude);
}

HWND ParseWindow(const std::wstring& word)
{
    const uint64_t value = ParseNumber(word, L"HWND");
    if (value == 0 || value > UINTPTR_MAX) {
        throw UsageError{L"not a window handle: " + word};
    }
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(value));
}

DWORD ParsePid(const std::wstring& word)
{
    const uint64_t value = ParseNumber(word, L"PID");
    if (value == 0 || value > MAXDWORD) {
        throw UsageError{L"not a process id: " + word};
    }
    return static_cast<DWORD>(value);
}

DWORD TakeTimeout(Arguments& arguments)
{
    const std::optional<std::wstring> timeout = arguments.TakeOption(L"--timeout");
    if (!timeout) {
        return kDefaultTimeoutMs;
    }
    const uint64_t value = ParseNumber(*timeout, L"--timeout");
    // INFINITE would wait forever, which no command may do.
    if (value >= INFINITE) {
        throw UsageError{L"--timeout too large: " + *timeout};
    }
    return static_cast<DWORD>(value);
}

}  // namespace automation::cli
