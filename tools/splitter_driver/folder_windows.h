// The windows in which the shell shows a folder: a program that opens a folder has another
// process (the system's file browser) show it, titled with the folder's name.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace splitter {

// Shown folder windows of any process whose title is the folder's own name (its last part).
std::vector<HWND> FolderWindows(const std::wstring& folderName);
HWND WaitForFolderWindow(const std::wstring& folderName, DWORD timeoutMs);
// Asks each to close and waits for them to go; false when one is still there after timeoutMs. A
// browser process still running when the time is up is ended: it would hold its starter's output.
bool CloseFolderWindows(const std::wstring& folderName, DWORD timeoutMs);

// The last part of a folder path, with or without a closing backslash.
std::wstring FolderName(const std::wstring& folderPath);

}  // namespace splitter
