// What automate.exe prints: UTF-8 lines on stdout for shell scripts, messages on stderr.
#pragma once

#include <windows.h>

#include <string>

namespace automation::cli {

void PrintLine(const std::wstring& line);
void PrintError(const std::wstring& line);

// "0x" and the handle's value in hex, the form the commands read back.
std::wstring HandleText(HWND window);
// CR, LF and tab written as \r, \n and \t, so a text fits one tab-separated line.
std::wstring OneLine(const std::wstring& text);
// CR LF pairs as single LF, as shell tools read lines.
std::wstring UnixLineEnds(const std::wstring& text);

}  // namespace automation::cli
