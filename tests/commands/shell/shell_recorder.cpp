// Started by the shell for the shell tests' file class. Its first argument names the file to write;
// it writes its whole command line, its working folder and the show mode it was given, one per
// line as UTF-16, under a temporary name first so that the test never reads half a record.
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "runtime/win32/owned_handles.h"

namespace {

std::wstring CurrentFolder()
{
    wchar_t folder[MAX_PATH] = {};
    DWORD length = GetCurrentDirectoryW(MAX_PATH, folder);
    return std::wstring(folder, length < MAX_PATH ? length : 0);
}

// The show mode the starter asked for, or -1 when it asked for none.
int ShowMode()
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
}

bool WriteRecord(const std::wstring& path, const std::wstring& text)
{
    std::wstring partial = path + L".part";
    rt::UniqueHandle file(
        CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    DWORD written = 0;
    DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    bool complete = WriteFile(file.get(), text.data(), size, &written, nullptr) && written == size;
    file.reset();
    return complete && MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, wchar_t*, int)
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments || count < 2) {
        return 2;
    }
    std::wstring recordPath = arguments[1];
    LocalFree(arguments);
    std::wstring record =
        std::wstring(GetCommandLineW()) + L"\n" + CurrentFolder() + L"\n" + std::to_wstring(ShowMode()) + L"\n";
    return WriteRecord(recordPath, record) ? 0 : 1;
}
