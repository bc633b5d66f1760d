// Opening a link target: the shell's "open" verb, and when the shell refuses, the default browser
// registered for ".htm" pages started with the target.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace rt::units {

// The three system steps of opening a link, apart so that each can be replaced on its own.
struct LinkStarters {
    // The shell's "open" verb on the target; its result code (above 32 on success).
    INT_PTR (*shellOpen)(const std::wstring& target, int show);
    // The command stored for opening ".htm" pages, or nothing.
    std::optional<std::wstring> (*browserCommand)();
    // Starts a command line; true when the program started.
    bool (*startCommand)(const std::wstring& commandLine, int show);
};

const LinkStarters& SystemLinkStarters();

// The starters a link's unit opens with: the system's. Tests put others in their place to see what
// a click starts; returns the ones replaced. Set them while no link opens.
LinkStarters ReplaceLinkStarters(const LinkStarters& starters);

// Opens the GBK target shown with the show mode; true when the last start reported success. An
// empty target starts nothing and gives false.
bool OpenLinkTarget(const std::string& target, int show, const LinkStarters& starters);
// The same with the starters a link's unit opens with.
bool OpenLinkTarget(const std::string& target, int show);

}  // namespace rt::units
