// What a link opens and shows, and the command line of the default browser that opens it when the
// shell cannot: plain rules on GBK texts, free of Windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "runtime/unit_options/hyper_linker_options.h"

namespace rt::units {

inline constexpr int32_t kLinkTypeMail = 0;
inline constexpr int32_t kLinkTypeWeb = 1;

// The link's address: the web address for a web link, else the mail address.
const std::string& LinkAddress(const HyperLinkerOptions& options);
// What opening the link hands the shell: the web address, or "mailto:" and the mail address; empty
// when the address is empty, since an empty address opens nothing.
std::string LinkTarget(const HyperLinkerOptions& options);
// The text a link shows: its caption, or the address when the caption is empty.
const std::string& LinkText(const HyperLinkerOptions& options);

// The default browser's command line for the target, made from the command stored for the ".htm"
// class: cut before a "%1" that stands in double quotes (its opening quote cut too), else before
// the first "%1", else kept whole; then one space and the target in double quotes, as the browser's
// one argument. Nothing when the target cannot be passed so: it is empty, holds a double quote or a
// control character, or starts with "-" or "/" (a browser reads that as one of its switches); and
// nothing when the cut command names no program or leaves a quote open, since the target would then
// become the program or part of its name.
std::optional<std::wstring> BrowserCommandLine(std::wstring_view storedCommand, std::wstring_view target);

}  // namespace rt::units
