#include "app/notice_links.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "commands/core/text_scan.h"

namespace app {
namespace {

constexpr size_t kLinkCount = 3;
constexpr size_t kAllParts = static_cast<size_t>(-1);
constexpr int kMaxPort = 65535;

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char lower, char c) { return std::tolower(static_cast<unsigned char>(c)) == lower; });
}

bool AllowedInAddress(unsigned char c)
{
    return c > 0x20 && c != 0x7F && c != '"' && c != '\'' && c != '\\' && c != '<' && c != '>';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view lowerCase)
{
    return text.size() == lowerCase.size() && StartsWithIgnoringCase(text, lowerCase);
}

bool IsHostName(std::string_view name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-';
    });
}

bool IsPort(std::string_view port)
{
    if (port.empty() || port.size() > 5 ||
        !std::all_of(port.begin(), port.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })) {
        return false;
    }
    int number = std::atoi(std::string(port).c_str());
    return number >= 1 && number <= kMaxPort;
}

bool IsHost(std::string_view host)
{
    size_t colon = host.find(':');
    if (colon == std::string_view::npos) {
        return IsHostName(host);
    }
    return IsHostName(host.substr(0, colon)) && IsPort(host.substr(colon + 1));
}

}  // namespace

std::vector<NoticeLink> NoticeLinks(std::string_view notice)
{
    std::vector<NoticeLink> links;
    for (std::string_view line : rt::commands::SplitParts(notice, "\r\n", kLinkCount)) {
        std::vector<std::string_view> fields = rt::commands::SplitParts(line, "|", kAllParts);
        if (fields.size() < 2) {
            break;
        }
        if (IsWebAddress(fields[1])) {
            links.push_back({std::string(fields[0]), std::string(fields[1])});
        } else {
            links.push_back({});
        }
    }
    return links;
}

bool IsWebAddress(std::string_view address)
{
    std::string_view rest;
    if (StartsWithIgnoringCase(address, "http://")) {
        rest = address.substr(7);
    } else if (StartsWithIgnoringCase(address, "https://")) {
        rest = address.substr(8);
    } else {
        return false;
    }
    size_t hostEnd = rest.find_first_of("/?#");
    return hostEnd != 0 && !rest.empty() && std::all_of(address.begin(), address.end(), [](char c) {
               return AllowedInAddress(static_cast<unsigned char>(c));
           });
}

std::string NoticeHostOf(std::string_view iniText)
{
    bool inNoticeSection = false;
    for (std::string_view line : rt::commands::SplitParts(iniText, "\n", kAllParts)) {
        line = Trimmed(line);
        if (!line.empty() && line.front() == '[') {
            inNoticeSection =
                line.back() == ']' && EqualsIgnoringCase(Trimmed(line.substr(1, line.size() - 2)), "notice");
            continue;
        }
        size_t equals = line.find('=');
        if (!inNoticeSection || equals == std::string_view::npos ||
            !EqualsIgnoringCase(Trimmed(line.substr(0, equals)), "host")) {
            continue;
        }
        std::string_view host = Trimmed(line.substr(equals + 1));
        return IsHost(host) ? std::string(host) : std::string();
    }
    return {};
}

}  // namespace app
