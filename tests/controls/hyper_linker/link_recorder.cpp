// Registered as the ".htm" browser by the link tests: started, it writes its whole command line as
// UTF-16 to the file that ZORVI_LINK_RECORD names (the test sets it; a started program inherits
// it), under a temporary name first so that the test never reads half a record.
#include <windows.h>

#include <string>

#include "runtime/win32/owned_handles.h"

namespace {

constexpr wchar_t kRecordVariable[] = L"ZORVI_LINK_RECORD";

std::wstring RecordPath()
{
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableW(kRecordVariable, path, MAX_PATH);
    return std::wstring(path, length < MAX_PATH ? length : 0);
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
    std::wstring path = RecordPath();
    if (path.empty()) {
        return 2;
    }
    return WriteRecord(path, GetCommandLineW()) ? 0 : 1;
}
