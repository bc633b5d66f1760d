#include "commands/core/text_scan.h"

namespace rt::commands {
namespace {

size_t CharacterLength(unsigned char lead) { return lead >= 0x80 ? 2 : 1; }

char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool MatchesAt(std::string_view text, size_t at, std::string_view sought, bool ignoreCase)
{
    if (sought.size() > text.size() - at) return false;
    if (!ignoreCase) return text.compare(at, sought.size(), sought) == 0;
    for (size_t i = 0; i < sought.size();) {
        size_t length = CharacterLength(static_cast<unsigned char>(sought[i]));
        if (length == 1) {
            if (FoldCase(text[at + i]) != FoldCase(sought[i])) return false;
        } else if (text.compare(at + i, length, sought.substr(i, length)) != 0) {
            return false;
        }
        i += length;
    }
    return true;
}

size_t NextCharacter(std::string_view text, size_t at)
{
    return at + CharacterLength(static_cast<unsigned char>(text[at]));
}

}  // namespace

std::optional<size_t> FindLastMatch(std::string_view text, std::string_view sought, bool ignoreCase)
{
    if (sought.empty()) return text.empty() ? std::nullopt : std::optional<size_t>(0);
    std::optional<size_t> last;
    for (size_t at = 0; at < text.size(); at = NextCharacter(text, at)) {
        if (MatchesAt(text, at, sought, ignoreCase)) last = at;
    }
    return last;
}

std::vector<std::string_view> SplitParts(std::string_view text, std::string_view delimiter, size_t maxParts)
{
    std::vector<std::string_view> parts;
    if (text.empty() || maxParts == 0) return parts;
    if (delimiter.empty()) {
        parts.push_back(text);
        return parts;
    }
    size_t partStart = 0;
    for (size_t at = 0; at < text.size();) {
        if (!MatchesAt(text, at, delimiter, false)) {
            at = NextCharacter(text, at);
            continue;
        }
        parts.push_back(text.substr(partStart, at - partStart));
        if (parts.size() == maxParts) return parts;
        at += delimiter.size();
        partStart = at;
    }
    if (partStart < text.size()) parts.push_back(text.substr(partStart));
    return parts;
}

}  // namespace rt::commands
