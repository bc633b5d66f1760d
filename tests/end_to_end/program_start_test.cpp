#include <gtest/gtest.h>

#include <windows.h>

#include "tools/automation/automation.h"

namespace {

std::wstring ProgramFolder()
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring full(path, length);
    return full.substr(0, full.rfind(L'\\'));
}

// Until the program carries its window templates, the start window cannot be loaded: the runtime
// reports it as a final error and the process ends with -1.
TEST(ProgramStart, WithoutWindowTemplatesTheStartWindowFailsWithARuntimeError)
{
    automation::ChildProcess program = automation::Launch(ProgramFolder() + L"\\ZorviSplitter.exe", L"", L"");
    ASSERT_TRUE(program);
    HWND box = automation::WaitForMessageBox(program.pid(), 20000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(automation::WindowText(box), L"错误");
    EXPECT_EQ(automation::MessageBoxText(box), L"运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
    automation::PressDialogButton(box, IDOK);
    EXPECT_EQ(program.WaitForExit(20000), 0xFFFFFFFFu);
}

}  // namespace
