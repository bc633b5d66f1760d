// Test-side helpers: starting the fixture program, temporary folders, reading result files.
#pragma once

#include <windows.h>

#include <filesystem>
#include <initializer_list>
#include <string>

#include "tools/automation/process.h"

namespace fixture {

// How long a test waits for anything the fixture shows; far above what it needs.
constexpr DWORD kWaitMs = 10000;

// A program built next to the test program (automation_fixture.exe, automate.exe).
std::wstring SiblingPath(const wchar_t* fileName);

automation::ChildProcess StartFixture(std::initializer_list<std::wstring> arguments);

// A fresh folder under the temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::filesystem::path& path() const { return path_; }
    // Creates a file with some bytes and returns its full path.
    std::wstring AddFile(const std::wstring& name) const;

private:
    std::filesystem::path path_;
};

// The whole file as UTF-16 text; empty when it cannot be read.
std::wstring ReadUtf16File(const std::wstring& path);

}  // namespace fixture
