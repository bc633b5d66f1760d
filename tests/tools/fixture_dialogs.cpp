// The fixture's open and save dialogs, with the picture filter and options the program uses.
#include <windows.h>

#include <commdlg.h>

#include "runtime/win32/owned_handles.h"
#include "tests/tools/fixture.h"

namespace fixture {
namespace {

bool WriteResult(const std::wstring& path, const wchar_t* text)
{
    rt::UniqueHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    const DWORD size = static_cast<DWORD>(wcslen(text) * sizeof(wchar_t));
    DWORD written = 0;
    return WriteFile(file.get(), text, size, &written, nullptr) && written == size;
}

}  // namespace

int RunFileDialog(bool save, bool explorer, const std::wstring& resultPath)
{
    wchar_t file[MAX_PATH] = L"";
    OPENFILENAMEW options{};
    options.lStructSize = sizeof options;
    options.lpstrFilter = L"(*.bmp;*.jpg;*.gif;*.tiff;*.png)\0*.bmp;*.jpg;*.gif;*.tiff;*.png\0\0";
    options.nFilterIndex = 1;
    options.lpstrFile = file;
    options.nMaxFile = MAX_PATH;
    options.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST) |
                    (explorer ? OFN_EXPLORER : 0);
    const BOOL confirmed = save ? GetSaveFileNameW(&options) : GetOpenFileNameW(&options);
    if (!confirmed) {
        return CommDlgExtendedError() == 0 ? 0 : 2;
    }
    return WriteResult(resultPath, file) ? 1 : 2;
}

}  // namespace fixture
