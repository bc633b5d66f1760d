// What the tests of worker threads share: joining workers while the window thread pumps, with a
// bound that ends the test program when it is passed (a test must never hang, nor return while
// threads are still joinable), and a probe of how fast the window thread answers another thread.
#pragma once

#include <windows.h>

#include <atomic>
#include <thread>
#include <vector>

namespace window_test {

// Joins the workers while this (the window) thread pumps messages. If they have not ended within
// the limit, the failure is printed and the test program ends with exit code 3.
void JoinWhilePumping(std::vector<std::thread>& workers, DWORD limitMilliseconds);

// A thread that sends WM_NULL to a window every few milliseconds and keeps the longest time the
// window's thread took to answer.
class AnswerTimeProbe {
public:
    explicit AnswerTimeProbe(HWND window);
    ~AnswerTimeProbe();
    AnswerTimeProbe(const AnswerTimeProbe&) = delete;
    AnswerTimeProbe& operator=(const AnswerTimeProbe&) = delete;

    // Stops the probe (pumping this thread's messages meanwhile); the longest answer time in milliseconds (the time-out, 10 s, when a message
    // went unanswered).
    DWORD stop();

private:
    std::atomic<bool> stop_{false};
    std::atomic<bool> finished_{false};
    std::atomic<DWORD> longest_{0};
    std::thread thread_;
};

}  // namespace window_test
