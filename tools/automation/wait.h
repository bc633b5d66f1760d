// Bounded polling: every wait of the driver gives up after its timeout, so a test never hangs on a
// window that does not come.
#pragma once

#include <windows.h>

namespace automation {

constexpr DWORD kPollIntervalMs = 20;

// One timeout shared by the steps of an action: each step waits for what is left of it.
class Deadline {
public:
    explicit Deadline(DWORD timeoutMs) : end_(GetTickCount64() + timeoutMs) {}
    DWORD Remaining() const
    {
        const ULONGLONG now = GetTickCount64();
        return now < end_ ? static_cast<DWORD>(end_ - now) : 0;
    }

private:
    ULONGLONG end_;
};

// Calls find until it returns something truthy or timeoutMs have passed; returns the last result.
// find runs at least once, so a timeout of 0 is a plain look.
template <typename Find>
auto WaitFor(DWORD timeoutMs, Find find) -> decltype(find())
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        auto result = find();
        if (result || GetTickCount64() >= deadline) {
            return result;
        }
        Sleep(kPollIntervalMs);
    }
}

}  // namespace automation
