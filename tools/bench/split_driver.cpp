// Drives one split of the real program for the benchmark, as a user would: starts the program in its
// folder, opens the picture, presses the split button with the window's own grid (3 rows, 5 columns),
// confirms the save dialog with the output name and answers No to the final question, then closes
// the program.
//   split_driver PROGRAM.exe PICTURE OUTPUT-NAME
// Prints "seconds S", from pressing the save dialog's Save button to the final question showing,
// "peak_private_bytes B", the most private memory the program held meanwhile (sampled every few
// milliseconds), "peak_private_bytes_run B", the most over the program's whole run (opening the
// picture included), and "exit_code C". Exit status 0 when every step happened in time.
#include <windows.h>

#include <psapi.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

#include "tools/automation/automation.h"

namespace {

constexpr DWORD kStepTimeoutMs = 30000;
constexpr DWORD kSplitTimeoutMs = 600000;
constexpr DWORD kSampleIntervalMs = 2;
const wchar_t kMainWindowTitle[] = L"QQ空间相册封面拼图制作 - Zorvi图片分割软件";

int Fail(const char* step)
{
    std::fprintf(stderr, "split_driver: %s\n", step);
    return 1;
}

HWND Button(HWND window, const wchar_t* caption)
{
    automation::ChildQuery query;
    query.text = caption;
    return automation::WaitForChild(window, query, kStepTimeoutMs);
}

bool ConfirmDialog(DWORD pid, const std::wstring& path)
{
    HWND dialog = automation::WaitForFileDialog(pid, kStepTimeoutMs);
    return dialog &&
           automation::ConfirmFileDialog(dialog, path, kStepTimeoutMs) == automation::FileDialogOutcome::kClosed;
}

// The commit charge, which Windows shows as the process's private bytes; Wine fills this field (from
// the process's anonymous memory) but leaves PrivateUsage 0.
SIZE_T PrivateBytes(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    return GetProcessMemoryInfo(process, &counters, sizeof counters) ? counters.PagefileUsage : 0;
}

// Samples the program's private bytes on a thread of its own while it lives.
class MemorySampler {
public:
    explicit MemorySampler(HANDLE process)
        : thread_([this, process] {
              while (!stop_) {
                  SIZE_T bytes = PrivateBytes(process);
                  if (bytes > peak_) {
                      peak_ = bytes;
                  }
                  Sleep(kSampleIntervalMs);
              }
          })
    {
    }
    ~MemorySampler() { finish(); }

    SIZE_T finish()
    {
        stop_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
        return peak_;
    }

private:
    std::atomic<bool> stop_{false};
    std::atomic<SIZE_T> peak_{0};
    std::thread thread_;
};

struct SplitFigures {
    double seconds = 0;
    SIZE_T peakPrivateBytes = 0;
    HWND question = nullptr;
};

// Presses Save and waits for the final question, sampling the program's private bytes meanwhile.
SplitFigures TimeSplit(const automation::ChildProcess& program, const std::wstring& outputName)
{
    SplitFigures figures;
    HWND dialog = automation::WaitForFileDialog(program.pid(), kStepTimeoutMs);
    HWND field = dialog ? automation::FileNameField(dialog) : nullptr;
    if (!field || !automation::SetText(field, outputName)) {
        return figures;
    }
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!automation::PressDialogButton(dialog, IDOK)) {
        return figures;
    }
    ULONGLONG deadline = GetTickCount64() + kSplitTimeoutMs;
    while (GetTickCount64() < deadline) {
        SIZE_T bytes = PrivateBytes(program.handle());
        figures.peakPrivateBytes = bytes > figures.peakPrivateBytes ? bytes : figures.peakPrivateBytes;
        if (HWND box = automation::FindMessageBox(program.pid())) {
            QueryPerformanceCounter(&now);
            figures.seconds = double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
            figures.question = box;
            return figures;
        }
        Sleep(kSampleIntervalMs);
    }
    return figures;
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.rfind(L'\\')); }

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: split_driver PROGRAM.exe PICTURE OUTPUT-NAME\n");
        return 2;
    }
    automation::ChildProcess program = automation::Launch(argv[1], L"", FolderOf(argv[1]));
    if (!program) {
        return Fail("the program did not start");
    }
    MemorySampler wholeRun(program.handle());
    automation::WindowQuery mainQuery;
    mainQuery.title = kMainWindowTitle;
    HWND main = automation::WaitForTopWindow(program.pid(), mainQuery, kStepTimeoutMs);
    if (!main) {
        return Fail("no main window");
    }
    if (!automation::Click(Button(main, L"打开图片")) || !ConfirmDialog(program.pid(), argv[2])) {
        return Fail("the picture was not opened");
    }
    if (!automation::Click(Button(main, L"分割"))) {
        return Fail("the split button was not pressed");
    }
    SplitFigures figures = TimeSplit(program, argv[3]);
    if (!figures.question) {
        return Fail("the final question did not come");
    }
    if (!automation::PressDialogButton(figures.question, IDNO) ||
        !automation::WaitForWindowGone(figures.question, kStepTimeoutMs)) {
        return Fail("the final question was not answered");
    }
    automation::RequestClose(main);
    std::optional<DWORD> exitCode = program.WaitForExit(kStepTimeoutMs);
    SIZE_T runPeak = wholeRun.finish();
    std::printf("seconds %.3f\npeak_private_bytes %llu\npeak_private_bytes_run %llu\nexit_code %ld\n", figures.seconds,
                static_cast<unsigned long long>(figures.peakPrivateBytes), static_cast<unsigned long long>(runPeak),
                exitCode ? static_cast<long>(static_cast<int32_t>(*exitCode)) : -999L);
    return exitCode && *exitCode == 0 ? 0 : 1;
}
