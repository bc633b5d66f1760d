#include "tests/runtime/window/thread_test_support.h"

#include <algorithm>
#include <cstdio>

#include "tests/runtime/window/window_test_support.h"

namespace window_test {
namespace {

constexpr UINT kAnswerLimitMs = 10000;
constexpr DWORD kProbeIntervalMs = 5;

}  // namespace

void JoinWhilePumping(std::vector<std::thread>& workers, DWORD limitMilliseconds)
{
    std::atomic<bool> joined{false};
    std::thread joiner([&] {
        for (std::thread& worker : workers) {
            worker.join();
        }
        joined = true;
    });
    DWORD start = GetTickCount();
    while (!joined && GetTickCount() - start < limitMilliseconds) {
        Pump(10);
    }
    if (!joined) {
        std::fprintf(stderr, "worker threads did not finish within %lu ms\n",
                     static_cast<unsigned long>(limitMilliseconds));
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
    }
    joiner.join();
}

AnswerTimeProbe::AnswerTimeProbe(HWND window)
    : thread_([this, window] {
          while (!stop_) {
              DWORD start = GetTickCount();
              DWORD_PTR ignored;
              LRESULT answered = SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerLimitMs, &ignored);
              DWORD took = answered ? GetTickCount() - start : kAnswerLimitMs;
              longest_ = std::max(longest_.load(), took);
              Sleep(kProbeIntervalMs);
          }
          finished_ = true;
      })
{
}

AnswerTimeProbe::~AnswerTimeProbe() { stop(); }

DWORD AnswerTimeProbe::stop()
{
    stop_ = true;
    if (thread_.joinable()) {
        // The probe may be waiting for this thread's answer.
        while (!finished_) {
            Pump(5);
        }
        thread_.join();
    }
    return longest_;
}

}  // namespace window_test
