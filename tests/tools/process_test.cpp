// Starting child processes, reading their exit codes and cleaning up after them.
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <vector>

#include "tests/tools/fixture_process.h"
#include "tools/automation/process.h"

using automation::ChildProcess;

TEST(Process, ReadsTheExitCodeOfAChild)
{
    ChildProcess child = fixture::StartFixture({L"exit", L"42"});
    ASSERT_TRUE(child);
    EXPECT_NE(child.pid(), 0u);
    EXPECT_EQ(child.WaitForExit(fixture::kWaitMs), 42u);
    // Its owner still holds it, so it can also be found by id.
    EXPECT_EQ(automation::WaitForProcessExit(child.pid(), 0), 42u);
}

TEST(Process, MissingProgramGivesAnEmptyChild)
{
    ChildProcess child = automation::Launch(L"Z:\\no\\such\\program.exe", L"", L"");
    EXPECT_FALSE(child);
    EXPECT_FALSE(child.WaitForExit(0));
    EXPECT_FALSE(child.Terminate());
}

TEST(Process, WaitGivesUpOnARunningChildAndTerminateEndsIt)
{
    ChildProcess child = fixture::StartFixture({L"window"});
    ASSERT_TRUE(child);
    const ULONGLONG start = GetTickCount64();
    EXPECT_FALSE(child.WaitForExit(200));
    EXPECT_LT(GetTickCount64() - start, 3000u);
    EXPECT_FALSE(automation::WaitForProcessExit(child.pid(), 0));
    EXPECT_TRUE(child.Terminate());
    EXPECT_EQ(child.WaitForExit(0), 1u);
}

TEST(Process, OwnerGoingAwayEndsARunningChild)
{
    rt::UniqueHandle watch;
    {
        ChildProcess child = fixture::StartFixture({L"window"});
        ASSERT_TRUE(child);
        watch = automation::OpenProcessById(child.pid());
        ASSERT_TRUE(watch);
        EXPECT_EQ(WaitForSingleObject(watch.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    }
    EXPECT_EQ(WaitForSingleObject(watch.get(), 0), WAIT_OBJECT_0);
}

TEST(Process, DetachedChildKeepsRunning)
{
    ChildProcess child = fixture::StartFixture({L"window"});
    ASSERT_TRUE(child);
    const DWORD pid = child.pid();
    rt::UniqueHandle watch = automation::OpenProcessById(pid);
    child.Detach();
    EXPECT_FALSE(child);
    EXPECT_EQ(WaitForSingleObject(watch.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    ChildProcess(std::move(watch), pid).Terminate();
}

TEST(Process, QuotedArgumentsArriveUnchanged)
{
    const std::vector<std::wstring> arguments = {
        L"plain",           L"two words", L"", L"quote\"inside", L"trailing\\", L"C:\\dir with space\\",
        L"back\\\\\"quote", L"中文 路径",
    };
    std::wstring commandLine = L"program.exe";
    for (const std::wstring& argument : arguments) {
        commandLine += L" " + automation::QuoteArgument(argument);
    }
    int count = 0;
    wchar_t** parsed = CommandLineToArgvW(commandLine.c_str(), &count);
    ASSERT_NE(parsed, nullptr);
    ASSERT_EQ(count, static_cast<int>(arguments.size()) + 1);
    for (size_t i = 0; i < arguments.size(); ++i) {
        EXPECT_EQ(parsed[i + 1], arguments[i]) << "argument " << i;
    }
    LocalFree(parsed);
}
