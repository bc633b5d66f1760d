#include "controls/hyper_linker/link_opener.h"

#include <shellapi.h>

#include <vector>

#include "controls/hyper_linker/link_target.h"
#include "runtime/text_codec.h"

namespace rt::units {
namespace {

// The shell reports success with a value above this.
constexpr INT_PTR kLastStartError = 32;

// The default value of a key under the classes root, or nothing. A REG_EXPAND_SZ value comes back
// expanded under RRF_RT_REG_SZ; asking for RRF_RT_REG_EXPAND_SZ as well, without RRF_NOEXPAND, makes
// Wine and Windows before 8.1 refuse every read with ERROR_INVALID_PARAMETER.
std::optional<std::wstring> ClassDefaultValue(const std::wstring& subKey)
{
    constexpr DWORD kTypes = RRF_RT_REG_SZ;
    DWORD size = 0;
    if (RegGetValueW(HKEY_CLASSES_ROOT, subKey.c_str(), nullptr, kTypes, nullptr, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CLASSES_ROOT, subKey.c_str(), nullptr, kTypes, nullptr, buffer.data(), &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(buffer.data());
}

INT_PTR ShellOpen(const std::wstring& target, int show)
{
    return reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, show));
}

std::optional<std::wstring> HtmlOpenCommand()
{
    std::optional<std::wstring> pageClass = ClassDefaultValue(L".htm");
    if (!pageClass || pageClass->empty()) {
        return std::nullopt;
    }
    return ClassDefaultValue(*pageClass + L"\\shell\\open\\command");
}

bool StartCommandLine(const std::wstring& commandLine, int show)
{
    std::wstring writable = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

const LinkStarters kSystemStarters{ShellOpen, HtmlOpenCommand, StartCommandLine};

LinkStarters& StartersInUse()
{
    static LinkStarters starters = kSystemStarters;
    return starters;
}

}  // namespace

const LinkStarters& SystemLinkStarters() { return kSystemStarters; }

LinkStarters ReplaceLinkStarters(const LinkStarters& starters)
{
    LinkStarters previous = StartersInUse();
    StartersInUse() = starters;
    return previous;
}

bool OpenLinkTarget(const std::string& target, int show) { return OpenLinkTarget(target, show, StartersInUse()); }

bool OpenLinkTarget(const std::string& target, int show, const LinkStarters& starters)
{
    if (target.empty()) {
        return false;
    }
    const std::wstring wide = WideFromGbk(target);
    if (starters.shellOpen(wide, show) > kLastStartError) {
        return true;
    }
    std::optional<std::wstring> command = starters.browserCommand();
    if (!command || command->empty()) {
        return false;
    }
    std::optional<std::wstring> commandLine = BrowserCommandLine(*command, wide);
    return commandLine && starters.startCommand(*commandLine, show);
}

}  // namespace rt::units
