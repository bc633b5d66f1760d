#include "controls/common_dlg/file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/common_dlg/dialog_rules.h"
#include "runtime/text_codec.h"

namespace rt::units {
namespace {

// Room for the longest path the system takes.
constexpr size_t kFileNameRoom = 32768;

// The wide text, or null for an empty one, which the dialog then leaves to the system.
const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

DWORD FileDialogFlags(const CommonDlgOptions& options)
{
    DWORD flags = OFN_HIDEREADONLY;
    flags |= options.CreatePrompt ? OFN_CREATEPROMPT : 0;
    flags |= options.FileMustExist ? OFN_FILEMUSTEXIST : 0;
    flags |= options.OverwritePrompt ? OFN_OVERWRITEPROMPT : 0;
    flags |= options.PathMustExist ? OFN_PATHMUSTEXIST : 0;
    flags |= options.NoChangeDir ? OFN_NOCHANGEDIR : 0;
    return flags;
}

bool ShowFileDialog(HWND owner, CommonDlgOptions& options)
{
    const std::wstring filter = DialogFilter(WideFromGbk(options.Filter));
    const std::wstring title = WideFromGbk(options.Title);
    const std::wstring initialDir = WideFromGbk(options.InitialDir);
    const std::wstring defaultExt = WideFromGbk(options.DefaultExt);
    const std::wstring initialName = WideFromGbk(options.FileName);

    std::vector<wchar_t> name(kFileNameRoom, L'\0');
    std::copy_n(initialName.begin(), std::min(initialName.size(), kFileNameRoom - 1), name.begin());

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = OrNull(filter);
    dialog.nFilterIndex = InitialFilterPair(!filter.empty(), options.FilterIndex);
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = OrNull(initialDir);
    dialog.lpstrTitle = OrNull(title);
    dialog.lpstrDefExt = OrNull(defaultExt);
    dialog.Flags = FileDialogFlags(options);

    const bool confirmed =
        options.DialogType == kSaveFileDialog ? GetSaveFileNameW(&dialog) != 0 : GetOpenFileNameW(&dialog) != 0;
    if (confirmed) {
        options.FileName = GbkFromWide(name.data());
    }
    return confirmed;
}

}  // namespace rt::units
