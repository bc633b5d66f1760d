#include "controls/common_dlg/help_request.h"

#include <string>

#include "controls/common_dlg/dialog_rules.h"
#include "runtime/runtime_app.h"
#include "runtime/text_codec.h"

namespace rt::units {
namespace {

// The help file the request names: the unit's own, else the program's.
std::wstring HelpFileOf(const CommonDlgOptions& options)
{
    if (!options.HelpFile.empty()) {
        return WideFromGbk(options.HelpFile);
    }
    return WideFromGbk(DefaultHelpFile(App().programDirectory, App().programFileName));
}

bool FileExists(const std::wstring& path)
{
    return !path.empty() && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

HelpCall HelpCallFor(int32_t helpCommand, int32_t topic)
{
    const ULONG_PTR context = static_cast<ULONG_PTR>(static_cast<uint32_t>(topic));
    switch (helpCommand) {
    case 1:
        return topic == 0 ? HelpCall{HELP_FINDER, 0, true} : HelpCall{HELP_CONTEXT, context, true};
    case 2:
        return topic == 0 ? HelpCall{HELP_FINDER, 0, true} : HelpCall{HELP_CONTEXTPOPUP, context, true};
    case 3:
        return {HELP_FORCEFILE, 0, true};
    case 4:
        return {HELP_HELPONHELP, 0, false};
    case 5:
        return {HELP_QUIT, 0, false};
    default:
        return {HELP_FINDER, 0, true};
    }
}

bool RequestHelp(HWND owner, const CommonDlgOptions& options)
{
    if (!owner || !IsWindow(owner)) {
        return false;
    }
    const HelpCall call = HelpCallFor(options.HelpCommand, options.HelpTopic);
    if (!call.needsFile) {
        WinHelpW(owner, nullptr, call.command, call.data);
        return true;
    }
    const std::wstring file = HelpFileOf(options);
    if (!FileExists(file)) {
        return false;
    }
    WinHelpW(owner, file.c_str(), call.command, call.data);
    return true;
}

}  // namespace rt::units
