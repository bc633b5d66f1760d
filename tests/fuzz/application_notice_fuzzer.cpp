// Fuzzes the application's reading of the notice and of its ini file. The input is the notice text,
// a zero byte and the ini text. At most three links come out; each link's caption and address are
// parts of the notice; an address that is not empty is a web address that can never carry a second
// argument or name a program; the notice host is a plain host name that makes a web address.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/notice_links.h"

namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view lowerCasePrefix)
{
    if (text.size() < lowerCasePrefix.size()) {
        return false;
    }
    for (size_t i = 0; i < lowerCasePrefix.size(); ++i) {
        char c = text[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != lowerCasePrefix[i]) {
            return false;
        }
    }
    return true;
}

// What may reach the shell: no blank, quote, backslash or control character, and an http or https
// scheme followed by a host.
bool IsHarmlessAddress(std::string_view address)
{
    for (char c : address) {
        auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F || c == '"' || c == '\'' || c == '\\') {
            return false;
        }
    }
    std::string_view rest;
    if (StartsWithIgnoringCase(address, "http://")) {
        rest = address.substr(7);
    } else if (StartsWithIgnoringCase(address, "https://")) {
        rest = address.substr(8);
    } else {
        return false;
    }
    return !rest.empty() && rest[0] != '/' && rest[0] != '?' && rest[0] != '#';
}

bool IsPlainHost(std::string_view host)
{
    size_t colon = host.find(':');
    std::string_view name = host.substr(0, colon);
    if (name.empty()) {
        return false;
    }
    for (char c : name) {
        bool allowed =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-';
        if (!allowed) {
            return false;
        }
    }
    if (colon == std::string_view::npos) {
        return true;
    }
    std::string_view port = host.substr(colon + 1);
    if (port.empty() || port.size() > 5 || port.find_first_not_of("0123456789") != std::string_view::npos) {
        return false;
    }
    long number = std::strtol(std::string(port).c_str(), nullptr, 10);
    return number >= 1 && number <= 65535;
}

void CheckLinks(std::string_view notice)
{
    std::vector<app::NoticeLink> links = app::NoticeLinks(notice);
    if (links.size() > 3) {
        std::abort();
    }
    for (const app::NoticeLink& link : links) {
        if (link.webAddress.empty()) {
            if (!link.caption.empty()) {
                std::abort();  // a link without an address stays wholly empty
            }
            continue;
        }
        if (!app::IsWebAddress(link.webAddress) || !IsHarmlessAddress(link.webAddress) ||
            notice.find(link.webAddress) == std::string_view::npos ||
            notice.find(link.caption) == std::string_view::npos) {
            std::abort();
        }
    }
}

void CheckHost(std::string_view ini)
{
    const std::string host = app::NoticeHostOf(ini);
    if (host.empty()) {
        return;
    }
    if (!IsPlainHost(host) || ini.find(host) == std::string_view::npos ||
        !app::IsWebAddress("http://" + host + "/rjdown/kpfx.txt")) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t zero = input.find('\0');
    const std::string_view notice = input.substr(0, zero);
    const std::string_view ini = zero == std::string_view::npos ? std::string_view() : input.substr(zero + 1);
    CheckLinks(notice);
    CheckHost(ini);
    // Any text at all, taken as an address, is either harmless or refused.
    if (app::IsWebAddress(input) && !IsHarmlessAddress(input)) {
        std::abort();
    }
    return 0;
}
