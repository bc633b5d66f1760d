#include "controls/hyper_linker/link_target.h"

#include <algorithm>

namespace rt::units {
namespace {

bool IsControl(wchar_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

// The target in double quotes, read back as exactly itself by the usual splitting of a command
// line: backslashes are plain except before a quote, so only a run at the end, which stands before
// the closing quote, is doubled. Nothing for a target no quoting keeps whole and harmless.
std::optional<std::wstring> QuotedArgument(std::wstring_view target)
{
    if (target.empty() || target.front() == L'-' || target.front() == L'/' ||
        std::any_of(target.begin(), target.end(), [](wchar_t c) { return c == L'"' || IsControl(c); })) {
        return std::nullopt;
    }
    const size_t lastOther = target.find_last_not_of(L'\\');
    const size_t finalBackslashes =
        lastOther == std::wstring_view::npos ? target.size() : target.size() - lastOther - 1;
    std::wstring quoted = L"\"";
    quoted += target;
    quoted.append(finalBackslashes, L'\\');
    quoted += L'"';
    return quoted;
}

// Something to start stands before the target, and no quote of it is left open to take the
// target's opening quote for its end.
bool NamesProgram(std::wstring_view program)
{
    return program.find_first_not_of(L" \t") != std::wstring_view::npos &&
           std::count(program.begin(), program.end(), L'"') % 2 == 0;
}

}  // namespace

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

std::optional<std::wstring> BrowserCommandLine(std::wstring_view storedCommand, std::wstring_view target)
{
    std::optional<std::wstring> argument = QuotedArgument(target);
    if (!argument) {
        return std::nullopt;
    }
    std::wstring_view program = storedCommand;
    if (size_t quoted = storedCommand.find(L"\"%1\""); quoted != std::wstring_view::npos) {
        program = storedCommand.substr(0, quoted);
    } else if (size_t bare = storedCommand.find(L"%1"); bare != std::wstring_view::npos) {
        program = storedCommand.substr(0, bare);
    }
    if (!NamesProgram(program)) {
        return std::nullopt;
    }
    std::wstring line(program);
    line += L' ';
    line += *argument;
    return line;
}

}  // namespace rt::units
