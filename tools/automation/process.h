// Starting the program under test and learning how it ended.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>

#include "runtime/win32/owned_handles.h"

namespace automation {

// Owns a started process. The destructor terminates a child that is still running, so a failed
// test leaves nothing behind; Detach() lets it run on.
class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(rt::UniqueHandle process, DWORD pid) : process_(std::move(process)), pid_(pid) {}
    ChildProcess(ChildProcess&& other) noexcept
        : process_(std::move(other.process_)), pid_(std::exchange(other.pid_, 0))
    {
    }
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    explicit operator bool() const { return static_cast<bool>(process_); }
    DWORD pid() const { return pid_; }
    HANDLE handle() const { return process_.get(); }

    // The exit code once the process has ended, or nothing when it still runs after timeoutMs.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs) const;
    // Ends a running process (exit code 1) and waits briefly for it to be gone; true when it is.
    bool Terminate();
    // Gives up ownership: the process keeps running after this object is gone.
    void Detach();

private:
    rt::UniqueHandle process_;
    DWORD pid_ = 0;
};

// Starts exe (searched like a command line's first word when it has no folder) with the given
// argument text, in workingDir or the current folder when that is empty. Returns an empty
// ChildProcess when it cannot be started. The child gets no console and none of the caller's
// handles, so a script reading the caller's output is not kept waiting by the child.
ChildProcess Launch(const std::wstring& exe, const std::wstring& arguments, const std::wstring& workingDir);

// Quotes one argument so the child's CommandLineToArgvW reads it back unchanged.
std::wstring QuoteArgument(const std::wstring& argument);

// Opens a process that some other owner started, for waiting on it or ending it.
rt::UniqueHandle OpenProcessById(DWORD pid);
// The exit code of process pid once it has ended within timeoutMs; nothing when it still runs or
// cannot be opened (an ended process nobody holds open is gone, with its exit code).
std::optional<DWORD> WaitForProcessExit(DWORD pid, DWORD timeoutMs);

}  // namespace automation
