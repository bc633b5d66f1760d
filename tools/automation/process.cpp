// Child processes: started detached from the caller's console and handles, waited for with a
// timeout, and ended when their owner goes away.
#include "tools/automation/process.h"

namespace automation {
namespace {

constexpr DWORD kTerminateWaitMs = 5000;
constexpr UINT kTerminatedExitCode = 1;

std::optional<DWORD> WaitForHandle(HANDLE process, DWORD timeoutMs)
{
    if (!process || WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    if (!GetExitCodeProcess(process, &code)) {
        return std::nullopt;
    }
    return code;
}

}  // namespace

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept
{
    if (this != &other) {
        Terminate();
        process_ = std::move(other.process_);
        pid_ = std::exchange(other.pid_, 0);
    }
    return *this;
}

ChildProcess::~ChildProcess() { Terminate(); }

std::optional<DWORD> ChildProcess::WaitForExit(DWORD timeoutMs) const
{
    return WaitForHandle(process_.get(), timeoutMs);
}

bool ChildProcess::Terminate()
{
    if (!process_) {
        return false;
    }
    if (WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0) {
        return true;
    }
    TerminateProcess(process_.get(), kTerminatedExitCode);
    return WaitForSingleObject(process_.get(), kTerminateWaitMs) == WAIT_OBJECT_0;
}

void ChildProcess::Detach()
{
    process_.reset();
    pid_ = 0;
}

std::wstring QuoteArgument(const std::wstring& argument)
{
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        return argument;
    }
    // Backslashes are literal except before a quote, where each one must be doubled.
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    quoted += L'"';
    return quoted;
}

ChildProcess Launch(const std::wstring& exe, const std::wstring& arguments, const std::wstring& workingDir)
{
    if (exe.empty()) {
        return {};
    }
    std::wstring commandLine = QuoteArgument(exe);
    if (!arguments.empty()) {
        commandLine += L' ';
        commandLine += arguments;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // DETACHED_PROCESS without STARTF_USESTDHANDLES gives the child no standard handles at all: a
    // child holding the caller's output pipe would keep a script waiting for that output forever.
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                        workingDir.empty() ? nullptr : workingDir.c_str(), &startup, &info)) {
        return {};
    }
    CloseHandle(info.hThread);
    return ChildProcess(rt::UniqueHandle(info.hProcess), info.dwProcessId);
}

rt::UniqueHandle OpenProcessById(DWORD pid)
{
    return rt::UniqueHandle(
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, pid));
}

std::optional<DWORD> WaitForProcessExit(DWORD pid, DWORD timeoutMs)
{
    rt::UniqueHandle process = OpenProcessById(pid);
    return WaitForHandle(process.get(), timeoutMs);
}

}  // namespace automation
