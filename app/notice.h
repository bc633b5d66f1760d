// The online notice: read once at start on a thread of its own, it fills the main window's three
// links and loads the notice server's page into the hidden view.
#pragma once

#include <cstdint>
#include <string>

namespace app {

// Reads the notice server's host from ZorviSplitter.ini beside the program into the variables.
void ReadNoticeHost();

// "http://" + host + path; empty when no notice server is set.
std::string NoticeServerAddress(const char* path);

int32_t NoticeThread(int32_t parameter);

}  // namespace app
