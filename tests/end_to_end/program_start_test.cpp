// The real program's start in a folder of its own: the main window with its title, and the default
// picture written beside the program once, never over a file that is already there.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

std::string ReadAll(const std::wstring& path)
{
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// A fresh folder holding a copy of the program, removed with everything in it afterwards.
class ProgramCopy {
public:
    ProgramCopy()
    {
        folder_ = ProgramFolder() + L"\\start-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder_.c_str(), nullptr);
        CopyFileW((ProgramFolder() + L"\\ZorviSplitter.exe").c_str(), program().c_str(), FALSE);
    }
    ~ProgramCopy()
    {
        DeleteFileW(program().c_str());
        DeleteFileW(picture().c_str());
        RemoveDirectoryW(folder_.c_str());
    }
    std::wstring program() const { return folder_ + L"\\ZorviSplitter.exe"; }
    std::wstring picture() const { return folder_ + L"\\vexlo.jpg"; }

    // Starts the program and waits for its main window; closes it again and waits for the end.
    void StartAndClose() const
    {
        automation::ChildProcess run = automation::Launch(program(), L"", folder_);
        ASSERT_TRUE(run);
        automation::WindowQuery query;
        query.title = L"QQ空间相册封面拼图制作 - Zorvi图片分割软件";
        HWND main = automation::WaitForTopWindow(run.pid(), query, kTimeoutMs);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(automation::RequestClose(main));
        EXPECT_EQ(run.WaitForExit(kTimeoutMs), 0u);
    }

private:
    std::wstring folder_;
};

TEST(ProgramStart, TheFirstStartWritesTheDefaultPictureAndALaterOneLeavesItAsItIs)
{
    ProgramCopy copy;
    copy.StartAndClose();
    std::string written = ReadAll(copy.picture());
    EXPECT_EQ(written.size(), 34451u);
    EXPECT_EQ(written.substr(0, 3), "\xFF\xD8\xFF");

    std::ofstream(std::filesystem::path(copy.picture()), std::ios::binary | std::ios::trunc) << "changed";
    copy.StartAndClose();
    EXPECT_EQ(ReadAll(copy.picture()), "changed");
}

}  // namespace
