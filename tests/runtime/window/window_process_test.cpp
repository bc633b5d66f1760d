// How windows end a whole process, through the window probe: closing one of two windows leaves the
// program running, closing the last one ends it with 0; a start window that cannot be loaded is
// the final runtime error.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "tools/automation/automation.h"

namespace {

constexpr DWORD kTimeoutMs = 20000;
constexpr DWORD kRuntimeErrorExit = 0xFFFFFFFF;

std::wstring ProgramFolder()
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring full(path, length);
    return full.substr(0, full.rfind(L'\\'));
}

std::string ReadLog(const std::wstring& path)
{
    std::string content;
    if (FILE* file = _wfopen(path.c_str(), L"rb")) {
        char buffer[4096];
        while (size_t got = std::fread(buffer, 1, sizeof buffer, file)) {
            content.append(buffer, got);
        }
        std::fclose(file);
    }
    return content;
}

// One run of the probe with its own log file, removed again when the run is over.
class ProbeRun {
public:
    explicit ProbeRun(const std::wstring& scenario)
    {
        static int runs = 0;
        std::wstring folder = ProgramFolder();
        log_ = folder + L"\\window-probe-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++runs) +
               L".log";
        DeleteFileW(log_.c_str());
        probe_ = automation::Launch(folder + L"\\window_probe.exe", scenario + L" " + automation::QuoteArgument(log_),
                                    folder);
    }
    ~ProbeRun() { DeleteFileW(log_.c_str()); }

    const automation::ChildProcess& probe() const { return probe_; }
    std::string log() const { return ReadLog(log_); }

    HWND WaitForWindow(const std::wstring& title) const
    {
        automation::WindowQuery query;
        query.title = title;
        return automation::WaitForTopWindow(probe_.pid(), query, kTimeoutMs);
    }

private:
    std::wstring log_;
    automation::ChildProcess probe_;
};

TEST(WindowProcess, ClosingTheSecondWindowLeavesTheProgramRunningAndTheLastEndsItWithZero)
{
    ProbeRun run(L"two-windows");
    ASSERT_TRUE(run.probe());
    HWND main = run.WaitForWindow(L"探针主窗口");
    HWND second = run.WaitForWindow(L"探针副窗口");
    ASSERT_NE(main, nullptr);
    ASSERT_NE(second, nullptr);

    ASSERT_TRUE(automation::RequestClose(second));
    EXPECT_TRUE(automation::WaitForWindowGone(second, kTimeoutMs));
    EXPECT_FALSE(run.probe().WaitForExit(500).has_value());
    EXPECT_TRUE(IsWindow(main));

    // Esc closes a window whose EscCloses is on, the default. The window may be gone before the
    // key's release can be posted, which PressKey reports as a failure: the press is judged by
    // its effect.
    automation::PressKey(main, automation::Key::kEscape);
    EXPECT_TRUE(automation::WaitForWindowGone(main, kTimeoutMs));
    EXPECT_EQ(run.probe().WaitForExit(kTimeoutMs), 0u);
    EXPECT_EQ(run.log(), "second loaded\nsecond destroyed\nmain destroyed\nentry returns\n");
}

TEST(WindowProcess, ClosingTheMainWindowFirstEndsTheProgramOnlyWithTheSecond)
{
    ProbeRun run(L"two-windows");
    ASSERT_TRUE(run.probe());
    HWND main = run.WaitForWindow(L"探针主窗口");
    HWND second = run.WaitForWindow(L"探针副窗口");
    ASSERT_NE(main, nullptr);
    ASSERT_NE(second, nullptr);

    ASSERT_TRUE(automation::RequestClose(main));
    EXPECT_TRUE(automation::WaitForWindowGone(main, kTimeoutMs));
    EXPECT_FALSE(run.probe().WaitForExit(500).has_value());

    ASSERT_TRUE(automation::RequestClose(second));
    EXPECT_EQ(run.probe().WaitForExit(kTimeoutMs), 0u);
    EXPECT_EQ(run.log(), "second loaded\nmain destroyed\nsecond destroyed\nentry returns\n");
}

TEST(WindowProcess, AnUnknownStartWindowIsTheFinalRuntimeError)
{
    ProbeRun run(L"unknown-start-window");
    ASSERT_TRUE(run.probe());
    HWND box = automation::WaitForMessageBox(run.probe().pid(), kTimeoutMs);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(automation::MessageBoxText(box), L"运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
    automation::PressDialogButton(box, IDOK);
    EXPECT_EQ(run.probe().WaitForExit(kTimeoutMs), kRuntimeErrorExit);
    EXPECT_EQ(run.log(), "");
}

// Closing the main window while a worker reads and writes its units ends the program normally:
// no error box, exit code 0.
TEST(WindowProcess, ClosingTheMainWindowUnderAWorkerEndsTheProgramWithZero)
{
    ProbeRun run(L"worker-on-main-window");
    ASSERT_TRUE(run.probe());
    HWND main = run.WaitForWindow(L"探针主窗口");
    ASSERT_NE(main, nullptr);
    Sleep(300);
    ASSERT_TRUE(automation::RequestClose(main));
    EXPECT_EQ(run.probe().WaitForExit(kTimeoutMs), 0u);
    EXPECT_EQ(run.log(), "worker started\nmain destroyed\nentry returns\n");
}

// A crash ends the process with its exception code at once: no crash dialog waits for a user.
TEST(WindowProcess, ACrashEndsTheProcessWithItsExceptionCode)
{
    ProbeRun run(L"crash");
    ASSERT_TRUE(run.probe());
    EXPECT_EQ(run.probe().WaitForExit(10000), static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION));
}

}  // namespace
