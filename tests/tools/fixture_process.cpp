// Test-side helpers for the automation tests.
#include "tests/tools/fixture_process.h"

#include <fstream>
#include <iterator>

namespace fixture {

std::wstring SiblingPath(const wchar_t* fileName)
{
    wchar_t own[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, own, MAX_PATH);
    return (std::filesystem::path(std::wstring(own, length)).parent_path() / fileName).wstring();
}

automation::ChildProcess StartFixture(std::initializer_list<std::wstring> arguments)
{
    std::wstring commandArguments;
    for (const std::wstring& argument : arguments) {
        commandArguments += (commandArguments.empty() ? L"" : L" ") + automation::QuoteArgument(argument);
    }
    return automation::Launch(SiblingPath(L"automation_fixture.exe"), commandArguments, L"");
}

TempFolder::TempFolder()
{
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            (L"automation-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::wstring TempFolder::AddFile(const std::wstring& name) const
{
    const std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary) << "fixture";
    return file.wstring();
}

std::wstring ReadUtf16File(const std::wstring& path)
{
    std::ifstream file{std::filesystem::path(path), std::ios::binary};
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

}  // namespace fixture
