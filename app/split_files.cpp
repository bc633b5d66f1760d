#include "app/split_files.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "app/commands.h"

namespace app {
namespace {

// The longest the exit waits for a running step (a piece converted on the board path takes the
// longest); a step that takes longer is cut off by the process's end.
constexpr auto kStepWait = std::chrono::seconds(5);

struct SplitFiles {
    std::timed_mutex lock;  // held by a running step and by the exit
    std::atomic<bool> ending{false};
    bool pageOpen = false;
    int32_t pageFile = 0;
    std::string pagePath;
    std::mutex stopperLock;
    std::function<void()> stopper;
};

SplitFiles& Files()
{
    static SplitFiles files;
    return files;
}

[[noreturn]] void WaitForTheEnd()
{
    for (;;) {
        std::this_thread::sleep_for(std::chrono::hours(1));
    }
}

}  // namespace

void SplitPageOpened(int32_t file, const std::string& path)
{
    SplitFiles& f = Files();
    f.pageOpen = true;
    f.pageFile = file;
    f.pagePath = path;
}

void SplitPageDone() { Files().pageOpen = false; }

void SetSplitStopper(std::function<void()> stop)
{
    SplitFiles& f = Files();
    std::lock_guard lock(f.stopperLock);
    f.stopper = std::move(stop);
}

void WriteSplitFiles(const std::function<void()>& step)
{
    SplitFiles& f = Files();
    std::unique_lock lock(f.lock);
    if (f.ending) {
        lock.unlock();
        WaitForTheEnd();
    }
    step();
}

void StopIfProgramEnding()
{
    if (Files().ending) {
        WaitForTheEnd();
    }
}

void EndSplitForExit()
{
    SplitFiles& f = Files();
    f.ending = true;
    // Held until the process ends: the step that runs finishes first, and no step runs after it.
    bool locked = f.lock.try_lock_for(kStepWait);
    std::function<void()> stop;
    {
        std::lock_guard lock(f.stopperLock);
        stop = f.stopper;
    }
    if (stop) {
        stop();
    }
    if (locked && f.pageOpen) {
        CloseFile(f.pageFile);
        DeleteFile(f.pagePath);
        f.pageOpen = false;
    }
}

}  // namespace app
