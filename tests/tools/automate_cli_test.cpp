// automate.exe as a shell script uses it: one invocation per action, output read from a pipe.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/tools/fixture.h"
#include "tests/tools/fixture_process.h"
#include "tools/automation/automation.h"

using namespace automation;

namespace {

struct Result {
    std::optional<DWORD> exit;
    std::string out;  // UTF-8
    bool outputClosed = false;
};

std::string Utf8(const std::wstring& text)
{
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

// Reads what arrives until every writer has closed the pipe, or the time is up.
bool ReadUntilClosed(HANDLE pipe, std::string& out, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (GetTickCount64() < deadline) {
        DWORD available = 0;
        if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr)) {
            return GetLastError() == ERROR_BROKEN_PIPE;
        }
        if (available == 0) {
            Sleep(10);
            continue;
        }
        std::string chunk(available, '\0');
        DWORD got = 0;
        if (!ReadFile(pipe, chunk.data(), available, &got, nullptr)) {
            return GetLastError() == ERROR_BROKEN_PIPE;
        }
        out.append(chunk, 0, got);
    }
    return false;
}

// Runs automate.exe with stdout on a pipe, as $(automate.exe ...) in a shell does.
Result Automate(const std::vector<std::wstring>& arguments)
{
    std::wstring commandLine = QuoteArgument(fixture::SiblingPath(L"automate.exe"));
    for (const std::wstring& argument : arguments) {
        commandLine += L" " + QuoteArgument(argument);
    }
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    Result result;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        return result;
    }
    rt::UniqueHandle reader(readEnd);
    rt::UniqueHandle writer(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    rt::UniqueHandle nul(CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                     OPEN_EXISTING, 0, nullptr));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nul.get();
    startup.hStdOutput = writeEnd;
    startup.hStdError = nul.get();
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &info)) {
        return result;
    }
    CloseHandle(info.hThread);
    rt::UniqueHandle process(info.hProcess);
    writer.reset();
    result.outputClosed = ReadUntilClosed(reader.get(), result.out, 20000);
    result.exit = ChildProcess(std::move(process), info.dwProcessId).WaitForExit(5000);
    return result;
}

std::string Line(const Result& result)
{
    std::string line = result.out;
    if (!line.empty() && line.back() == '\n') {
        line.pop_back();
    }
    return line;
}

DWORD LaunchFixture(const std::vector<std::wstring>& arguments)
{
    std::vector<std::wstring> words = {L"launch", fixture::SiblingPath(L"automation_fixture.exe")};
    words.insert(words.end(), arguments.begin(), arguments.end());
    const Result launched = Automate(words);
    EXPECT_EQ(launched.exit, 0u);
    EXPECT_TRUE(launched.outputClosed);
    return static_cast<DWORD>(std::stoul(launched.out.empty() ? "0" : launched.out));
}

std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

TEST(AutomateCli, UsageErrorsExitWith2)
{
    const std::vector<std::vector<std::wstring>> cases = {
        {},
        {L"frobnicate"},
        {L"launch"},
        {L"text"},
        {L"text", L"window"},
        {L"wait-exit", L"12", L"--timeout"},
        {L"wait-exit", L"12", L"--timeout", L"4294967295"},
        {L"wait-exit", L"12", L"extra"},
        {L"answer", L"12"},
        {L"answer", L"12", L"--button", L"maybe"},
        {L"pixel", L"1"},
    };
    for (const auto& arguments : cases) {
        EXPECT_EQ(Automate(arguments).exit, 2u) << (arguments.empty() ? "(none)" : Utf8(arguments[0]));
    }
}

TEST(AutomateCli, NotFoundInTimeExitsWith1)
{
    const DWORD pid = LaunchFixture({L"window"});
    ASSERT_NE(pid, 0u);
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(Automate({L"wait-window", std::to_wstring(pid), L"--title", L"none", L"--timeout", L"300"}).exit, 1u);
    EXPECT_EQ(Automate({L"message-box", std::to_wstring(pid), L"--timeout", L"300"}).exit, 1u);
    EXPECT_EQ(Automate({L"cancel-dialog", std::to_wstring(pid), L"--timeout", L"300"}).exit, 1u);
    EXPECT_EQ(Automate({L"text", L"0x7FFFFFF0"}).exit, 1u);
    EXPECT_LT(GetTickCount64() - start, 15000u);
    EXPECT_EQ(Automate({L"terminate", std::to_wstring(pid)}).exit, 0u);
}

TEST(AutomateCli, LaunchedProgramOutlivesTheLaunchWithItsExitCode)
{
    // The program ends long before anyone asks: its exit code is still there.
    const DWORD ended = LaunchFixture({L"exit", L"7"});
    ASSERT_NE(ended, 0u);
    Sleep(500);
    const Result exited = Automate({L"wait-exit", std::to_wstring(ended)});
    EXPECT_EQ(exited.exit, 0u);
    EXPECT_EQ(exited.out, "7\n");

    // A running program does not hold the launch's output open, and keeps running after it.
    const DWORD running = LaunchFixture({L"window"});
    ASSERT_NE(running, 0u);
    EXPECT_EQ(Automate({L"wait-exit", std::to_wstring(running), L"--timeout", L"200"}).exit, 1u);
    EXPECT_EQ(Automate({L"terminate", std::to_wstring(running)}).exit, 0u);
    EXPECT_EQ(Line(Automate({L"wait-exit", std::to_wstring(running)})), "1");
}

TEST(AutomateCli, DrivesTheControlsOfAWindow)
{
    const std::wstring pid = std::to_wstring(LaunchFixture({L"window"}));
    const Result window = Automate({L"wait-window", pid, L"--title", fixture::kWindowTitle});
    ASSERT_EQ(window.exit, 0u);
    const std::wstring main = Wide(Line(window));
    EXPECT_EQ(main.rfind(L"0x", 0), 0u);

    const std::wstring edit = Wide(Line(Automate({L"find-child", main, L"--id", L"100"})));
    EXPECT_EQ(Automate({L"set-text", edit, L"运行时出错!"}).exit, 0u);
    EXPECT_EQ(Automate({L"text", edit}).out, Utf8(L"运行时出错!\n"));
    EXPECT_EQ(Automate({L"type", edit, L"12"}).exit, 0u);

    const std::wstring press = Wide(Line(Automate({L"find-child", main, L"--text", L"Press"})));
    const std::wstring clicks = Wide(Line(Automate({L"find-child", main, L"--id", L"103"})));
    EXPECT_EQ(Automate({L"click", press}).exit, 0u);
    EXPECT_EQ(Automate({L"wait-text", clicks, L"clicks: 1"}).exit, 0u);

    const std::string children = Automate({L"children", main}).out;
    EXPECT_NE(children.find(Utf8(press + L"\tButton\t102\tPress\n")), std::string::npos) << children;
    const std::string info = Automate({L"info", press}).out;
    EXPECT_NE(info.find("class=Button\nid=102\nvisible=1\nenabled=1\n"), std::string::npos) << info;

    const std::wstring disabled = Wide(Line(Automate({L"find-child", main, L"--id", L"109"})));
    EXPECT_EQ(Automate({L"click", disabled}).exit, 1u);
    EXPECT_EQ(Automate({L"key", edit, L"enter"}).exit, 0u);
    EXPECT_EQ(Automate({L"close", main}).exit, 0u);
    EXPECT_EQ(Line(Automate({L"wait-exit", pid})), "0");
}

TEST(AutomateCli, ReadsAndAnswersAMessageBox)
{
    const std::wstring pid = std::to_wstring(
        LaunchFixture({L"message-box", std::to_wstring(MB_YESNO), L"错误", L"运行时出错!\r\n\r\n第二行"}));
    const Result box = Automate({L"message-box", pid});
    EXPECT_EQ(box.exit, 0u);
    EXPECT_EQ(box.out, Utf8(L"错误\n运行时出错!\n\n第二行\n"));
    EXPECT_EQ(Automate({L"answer", pid, L"--button", L"ok"}).exit, 1u);
    EXPECT_EQ(Automate({L"answer", pid, L"--button", L"no"}).exit, 0u);
    EXPECT_EQ(Line(Automate({L"wait-exit", pid})), std::to_string(IDNO));
}

TEST(AutomateCli, FillsTheSaveDialogAndAnswersTheReplaceQuestion)
{
    fixture::TempFolder folder;
    const std::wstring existing = folder.AddFile(L"图片.jpg");
    const std::wstring result = (folder.path() / L"result.txt").wstring();
    const std::wstring pid = std::to_wstring(LaunchFixture({L"save-dialog", result, L"plain"}));

    // Without --overwrite the question (its title line and text, worded in the system's language) is
    // shown to the script and the dialog stays.
    const Result asked = Automate({L"file-dialog", pid, existing});
    EXPECT_EQ(asked.exit, 1u);
    EXPECT_GE(std::count(asked.out.begin(), asked.out.end(), '\n'), 2) << asked.out;
    EXPECT_EQ(Automate({L"answer", pid, L"--button", L"no"}).exit, 0u);

    EXPECT_EQ(Automate({L"file-dialog", pid, existing, L"--overwrite", L"yes"}).exit, 0u);
    EXPECT_EQ(Line(Automate({L"wait-exit", pid})), "1");
    EXPECT_EQ(fixture::ReadUtf16File(result), existing);
}

TEST(AutomateCli, CancelsTheOpenDialog)
{
    fixture::TempFolder folder;
    const std::wstring pid =
        std::to_wstring(LaunchFixture({L"open-dialog", (folder.path() / L"result.txt").wstring(), L"explorer"}));
    EXPECT_EQ(Automate({L"cancel-dialog", pid}).exit, 0u);
    EXPECT_EQ(Line(Automate({L"wait-exit", pid})), "0");
}

TEST(AutomateCli, TakesScreenshotsAndReadsPixels)
{
    const std::wstring pid = std::to_wstring(LaunchFixture({L"solid", L"3366CC", L"700", L"500", L"200", L"150"}));
    const std::wstring window = Wide(Line(Automate({L"wait-window", pid, L"--title", fixture::kSolidTitle})));
    bool painted = false;
    for (int i = 0; i < 100 && !painted; ++i) {
        painted = Line(Automate({L"pixel", L"800", L"575"})) == "3366CC";
    }
    EXPECT_TRUE(painted);

    fixture::TempFolder folder;
    const std::wstring screen = (folder.path() / L"screen.png").wstring();
    const std::wstring part = (folder.path() / L"window.png").wstring();
    EXPECT_EQ(Automate({L"screenshot", screen}).exit, 0u);
    EXPECT_EQ(Automate({L"screenshot", part, window}).exit, 0u);
    EXPECT_GT(std::filesystem::file_size(screen), std::filesystem::file_size(part));
    EXPECT_EQ(Automate({L"screenshot", part, L"0x7FFFFFF0"}).exit, 1u);
    EXPECT_EQ(Automate({L"terminate", pid}).exit, 0u);
}

}  // namespace
