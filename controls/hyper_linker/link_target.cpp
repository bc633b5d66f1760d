#include "controls/hyper_linker/link_target.h"

namespace rt {

const std::string& LinkAddress(const HyperLinkerOptions& options)
{
    return options.LinkType == kLinkTypeWeb ? options.WebAddress : options.MailAddress;
}

std::string LinkTarget(const HyperLinkerOptions& options)
{
    const std::string& address = LinkAddress(options);
    if (address.empty()) {
        return {};
    }
    return options.LinkType == kLinkTypeWeb ? address : "mailto:" + address;
}

const std::string& LinkText(const HyperLinkerOptions& options)
{
    return options.Caption.empty() ? LinkAddress(options) : options.Caption;
}

std::wstring BrowserCommandLine(std::wstring_view storedCommand, std::wstring_view target)
{
    std::wstring_view program = storedCommand;
    if (size_t quoted = storedCommand.find(L"\"%1\""); quoted != std::wstring_view::npos) {
        program = storedCommand.substr(0, quoted);
    } else if (size_t bare = storedCommand.find(L"%1"); bare != std::wstring_view::npos) {
        program = storedCommand.substr(0, bare);
    }
    std::wstring line(program);
    line += L' ';
    line += target;
    return line;
}

}  // namespace rt
