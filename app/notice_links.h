// The notice read from the notice server: its first three lines, each a caption, "|" and a web
// address, become the three links of the main window. Windows-free.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace app {

struct NoticeLink {
    std::string caption;
    std::string webAddress;
};

// The links of lines 1 to 3 up to the first line without a caption and an address: that link and
// the ones after it stay empty. A line whose address is not a web address gives an empty link.
std::vector<NoticeLink> NoticeLinks(std::string_view notice);

// True for an "http://" or "https://" address with a host and no spaces, quotes or control
// characters: only such an address may reach the shell. Local paths, "file:" and UNC names and
// addresses carrying extra arguments never do.
bool IsWebAddress(std::string_view address);

// The notice server's host from the text of ZorviSplitter.ini: the "host" key of its "[notice]"
// section, NAME or NAME:PORT; empty when there is none or it is not a plain host name.
std::string NoticeHostOf(std::string_view iniText);

}  // namespace app
