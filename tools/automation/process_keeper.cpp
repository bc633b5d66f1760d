// The holder of launched processes. It meets the other invocations through two named events per
// process id: "held" (the holder has the process open) and "read" (its exit code was read).
#include "tools/automation/process_keeper.h"

#include <string>

namespace automation::cli {
namespace {

constexpr DWORD kStartWaitMs = 10000;
// How long an ended process stays readable when nobody asks for its exit code.
constexpr DWORD kHoldAfterEndMs = 120000;

std::wstring EventName(const wchar_t* what, DWORD pid)
{
    return L"Local\\automate-" + std::wstring(what) + L"-" + std::to_wstring(pid);
}

std::wstring OwnPath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

bool StartKeeper(const ChildProcess& child)
{
    rt::UniqueHandle held(CreateEventW(nullptr, TRUE, FALSE, EventName(L"held", child.pid()).c_str()));
    if (!held) {
        return false;
    }
    ChildProcess keeper = Launch(OwnPath(), L"hold " + std::to_wstring(child.pid()), L"");
    if (!keeper) {
        return false;
    }
    // The holder opens the child by id, which works even if the child has ended meanwhile: this
    // invocation still holds it open until the holder says it does too.
    const HANDLE waits[] = {held.get(), keeper.handle()};
    const bool holding = WaitForMultipleObjects(2, waits, FALSE, kStartWaitMs) == WAIT_OBJECT_0;
    if (holding) {
        keeper.Detach();
    }
    return holding;
}

int RunKeeper(DWORD pid)
{
    rt::UniqueHandle process = OpenProcessById(pid);
    rt::UniqueHandle read(CreateEventW(nullptr, TRUE, FALSE, EventName(L"read", pid).c_str()));
    rt::UniqueHandle held(OpenEventW(EVENT_MODIFY_STATE, FALSE, EventName(L"held", pid).c_str()));
    if (!process || !read || !held) {
        return 1;
    }
    SetEvent(held.get());
    // Holding a running program as long as it runs is the point: its end has no time limit here.
    WaitForSingleObject(process.get(), INFINITE);
    WaitForSingleObject(read.get(), kHoldAfterEndMs);
    return 0;
}

void ReleaseKeeper(DWORD pid)
{
    rt::UniqueHandle read(OpenEventW(EVENT_MODIFY_STATE, FALSE, EventName(L"read", pid).c_str()));
    if (read) {
        SetEvent(read.get());
    }
}

}  // namespace automation::cli
