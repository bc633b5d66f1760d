// Whole-process behaviour of the runtime, through the runtime probe: error boxes read and answered
// through automation, exit codes, the shut-down order, ExitProgram from a worker thread and DLL
// command resolution.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "tools/automation/automation.h"

namespace {

constexpr DWORD kTimeoutMs = 20000;

std::wstring ProgramFolder()
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring full(path, length);
    return full.substr(0, full.rfind(L'\\'));
}

struct ProbeRun {
    std::optional<DWORD> exitCode;
    bool sawBox = false;
    std::wstring boxTitle;
    std::wstring boxText;
    std::string log;
};

std::string ReadLog(const std::wstring& path)
{
    std::string content;
    if (FILE* file = _wfopen(path.c_str(), L"rb")) {
        char buffer[4096];
        while (size_t got = std::fread(buffer, 1, sizeof buffer, file)) content.append(buffer, got);
        std::fclose(file);
    }
    return content;
}

ProbeRun RunProbe(const std::wstring& scenario, const std::wstring& extra, bool expectBox,
                  const std::wstring& program = L"runtime_probe.exe")
{
    static int runs = 0;
    std::wstring folder = ProgramFolder();
    std::wstring log =
        folder + L"\\probe-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++runs) + L".log";
    DeleteFileW(log.c_str());
    automation::ChildProcess probe = automation::Launch(
        folder + L"\\" + program, scenario + L" " + automation::QuoteArgument(log) + L" " + extra, folder);
    ProbeRun run;
    if (!probe) return run;
    if (expectBox) {
        if (HWND box = automation::WaitForMessageBox(probe.pid(), kTimeoutMs)) {
            run.sawBox = true;
            run.boxTitle = automation::WindowText(box);
            run.boxText = automation::MessageBoxText(box);
            automation::PressDialogButton(box, IDOK);
        }
    }
    run.exitCode = probe.WaitForExit(kTimeoutMs);
    run.log = ReadLog(log);
    DeleteFileW(log.c_str());
    return run;
}

constexpr DWORD kRuntimeErrorExit = 0xFFFFFFFF;

TEST(RuntimeErrorBox, CodeZeroAndEmptyMessageShowOnlyTheHeading)
{
    ProbeRun run = RunProbe(L"error-empty", L"", true);
    ASSERT_TRUE(run.sawBox);
    EXPECT_EQ(run.boxTitle, L"错误");
    EXPECT_EQ(run.boxText, L"运行时出错!\r\n\r\n");
    EXPECT_EQ(run.exitCode, kRuntimeErrorExit);
}

TEST(RuntimeErrorBox, ErrorCodeShowsTheCodeAndItsMessage)
{
    ProbeRun run = RunProbe(L"error-code", L"4", true);
    ASSERT_TRUE(run.sawBox);
    EXPECT_EQ(run.boxText, L"运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n");
    EXPECT_EQ(run.exitCode, kRuntimeErrorExit);
}

TEST(RuntimeErrorBox, MessageWithoutCode)
{
    ProbeRun run = RunProbe(L"error-message", L"", true);
    ASSERT_TRUE(run.sawBox);
    EXPECT_EQ(run.boxText, L"运行时出错!\r\n\r\n错误信息：自定义消息\r\n");
    EXPECT_EQ(run.exitCode, kRuntimeErrorExit);
}

TEST(RuntimeErrorBox, AllocationFailureNamesTheRequestedByteCount)
{
    ProbeRun run = RunProbe(L"alloc-fail", L"", true);
    ASSERT_TRUE(run.sawBox);
    EXPECT_EQ(run.boxText, L"运行时出错!\r\n\r\n错误信息：分配 12345 字节内存失败!\r\n");
    EXPECT_EQ(run.exitCode, kRuntimeErrorExit);
}

TEST(RuntimeErrorBox, NonNumericConversionAndMissingStartWindowAreFinal)
{
    ProbeRun numeric = RunProbe(L"not-numeric", L"", true);
    EXPECT_EQ(numeric.boxText, L"运行时出错!\r\n\r\n错误信息：欲转换数据类型不是数值\r\n");
    EXPECT_EQ(numeric.exitCode, kRuntimeErrorExit);
    ProbeRun window = RunProbe(L"start-window", L"", true);
    EXPECT_EQ(window.boxText, L"运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
    EXPECT_EQ(window.exitCode, kRuntimeErrorExit);
}

TEST(RuntimeErrorBox, ACorruptTemplateBlockEndsStartUp)
{
    ProbeRun run = RunProbe(L"normal", L"", true, L"runtime_probe_corrupt_templates.exe");
    ASSERT_TRUE(run.sawBox);
    EXPECT_EQ(run.boxText, L"运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n");
    EXPECT_EQ(run.exitCode, kRuntimeErrorExit);
}

TEST(RuntimeErrorBox, ShutDownRunsAfterTheBoxIsAnswered)
{
    ProbeRun run = RunProbe(L"error-empty", L"", true);
    EXPECT_EQ(run.log, "notify 1\nexit routine\nnotify 6\n");
}

TEST(ProcessEnd, NormalEndRunsTheShutDownInOrderAndExitsWithZero)
{
    ProbeRun run = RunProbe(L"normal", L"", false);
    EXPECT_EQ(run.exitCode, 0u);
    // Without a live window the message loop returns at once; the exit routine runs before the
    // libraries are told to finish.
    EXPECT_EQ(run.log, "notify 1\nentry returns\nexit routine\nnotify 6\n");
}

TEST(ProcessEnd, ExitProgramFromAWorkerThreadEndsTheProcessWithItsCode)
{
    ProbeRun run = RunProbe(L"thread-exit", L"7", false);
    EXPECT_EQ(run.exitCode, 7u);
    // The main thread carried out the shut-down; its message loop never returned.
    EXPECT_EQ(run.log, "notify 1\nexit routine\nnotify 6\n");
}

TEST(DllCommands, SystemLibrariesAreSearchedForAnUnnamedLibrary)
{
    ProbeRun run = RunProbe(L"dll", L"0", false);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_NE(run.log.find("dll "), std::string::npos);
    EXPECT_NE(run.log.find("cached"), std::string::npos);
    EXPECT_EQ(run.log.find("not cached"), std::string::npos);
}

TEST(DllCommands, LibraryBesideTheProgramByNameAndByOrdinal)
{
    EXPECT_NE(RunProbe(L"dll", L"2", false).log.find("dll 4242\ncached"), std::string::npos);
    EXPECT_NE(RunProbe(L"dll", L"3", false).log.find("dll 4242\ncached"), std::string::npos);
}

TEST(DllCommands, MissingExportsAndLibrariesAreFinalWithTheirMessages)
{
    ProbeRun unnamed = RunProbe(L"dll", L"1", true);
    EXPECT_EQ(unnamed.boxText,
              L"运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件中的输出命令“NoSuchExportAnywhere”\r\n");
    EXPECT_EQ(unnamed.exitCode, kRuntimeErrorExit);
    ProbeRun library = RunProbe(L"dll", L"4", true);
    EXPECT_EQ(library.boxText,
              L"运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“missing_probe.dll”中的输出命令“Anything”\r\n");
    ProbeRun exportMissing = RunProbe(L"dll", L"5", true);
    EXPECT_EQ(exportMissing.boxText,
              L"运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“probe_dll.dll”中的输出命令“NotExported”\r\n");
}

}  // namespace
