// StartThread called as the application calls it, through the helper table's library call: the sub
// runs on its own thread with its parameter, and the thread handle is closed or handed over.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <vector>

#include "commands/thread/start_thread.h"
#include "commands/thread/thread_library.h"
#include "runtime/helper_table.h"
#include "runtime/win32/owned_handles.h"

namespace {

constexpr DWORD kWaitMs = 10000;
constexpr int kThreadLibraryNumber = 1;

rt::UniqueHandle NewEvent() { return rt::UniqueHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr)); }

// What the test subs see; each test resets it.
struct SubRecord {
    std::atomic<int32_t> parameter{-1};
    std::atomic<DWORD> threadId{0};
    HANDLE ran = nullptr;
    HANDLE release = nullptr;
};
SubRecord record;

int32_t RecordParameter(int32_t parameter)
{
    record.parameter = parameter;
    record.threadId = GetCurrentThreadId();
    SetEvent(record.ran);
    return parameter * 2 + 1;
}

int32_t WaitForRelease(int32_t parameter)
{
    SetEvent(record.ran);
    WaitForSingleObject(record.release, kWaitMs);
    return parameter;
}

rt::ValueTriple SubArg(rt::ThreadSub sub)
{
    return rt::MakePointerValue(reinterpret_cast<const void*>(sub), rt::kSubPtr);
}

rt::ValueTriple StartThread(std::vector<rt::ValueTriple> args)
{
    return rt::Helpers().callLibraryCommand(kThreadLibraryNumber, rt::commands::kThreadLibrary.commands[0],
                                            static_cast<int>(args.size()), args.data());
}

// One entry of the system's handle list (SystemHandleInformation): the owner's process id in its
// low 16 bits first.
struct SystemHandleEntry {
    uint16_t processId;
    uint16_t creatorBackTraceIndex;
    uint8_t objectType;
    uint8_t attributes;
    uint16_t handle;
    void* object;
    ULONG grantedAccess;
};
struct SystemHandleList {
    ULONG count;
    SystemHandleEntry entries[1];
};
constexpr ULONG kSystemHandleInformation = 16;
constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);

// This process's entries in the system's handle list; 0 when the list cannot be had.
DWORD HandlesInSystemList()
{
    using QueryRoutine = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
    auto query = reinterpret_cast<QueryRoutine>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (!query) {
        return 0;
    }
    std::vector<uint8_t> buffer(1 << 16);
    ULONG needed = 0;
    LONG status = kInfoLengthMismatch;
    while ((status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed)) ==
               kInfoLengthMismatch &&
           buffer.size() < (1u << 26)) {
        buffer.resize(std::max<size_t>(buffer.size() * 2, needed + 4096));
    }
    if (status != 0) {
        return 0;
    }
    auto* list = reinterpret_cast<const SystemHandleList*>(buffer.data());
    auto self = static_cast<uint16_t>(GetCurrentProcessId());
    DWORD count = 0;
    for (ULONG i = 0; i < list->count; ++i) {
        count += list->entries[i].processId == self ? 1 : 0;
    }
    return count;
}

// The handles this process holds. Wine leaves GetProcessHandleCount unanswered (0); there the
// process's entries in the system handle list tell the same.
DWORD HandleCount()
{
    DWORD count = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &count) && count != 0) {
        return count;
    }
    return HandlesInSystemList();
}

// The handle count once it is back at most at the given one, or the last count after the wait.
DWORD HandleCountSettledAt(DWORD expected)
{
    ULONGLONG end = GetTickCount64() + kWaitMs;
    DWORD count = HandleCount();
    while (count > expected && GetTickCount64() < end) {
        Sleep(10);
        count = HandleCount();
    }
    return count;
}

class StartThreadTest : public testing::Test {
protected:
    void SetUp() override
    {
        record.parameter = -1;
        record.threadId = 0;
        record.ran = ran_.get();
        record.release = release_.get();
    }
    void TearDown() override { SetEvent(release_.get()); }

    rt::UniqueHandle ran_ = NewEvent();
    rt::UniqueHandle release_ = NewEvent();
};

TEST_F(StartThreadTest, RunsTheSubOnANewThreadWithItsParameter)
{
    rt::ValueTriple result = StartThread({SubArg(RecordParameter), rt::MakeInt(-73)});
    EXPECT_EQ(result.type, rt::kLogical);
    EXPECT_EQ(result.low, 1u);
    ASSERT_EQ(WaitForSingleObject(ran_.get(), kWaitMs), WAIT_OBJECT_0);
    EXPECT_EQ(record.parameter, -73);
    EXPECT_NE(record.threadId, GetCurrentThreadId());
}

TEST_F(StartThreadTest, ParameterLeftOutIsZeroAndARealIsTruncated)
{
    ASSERT_EQ(StartThread({SubArg(RecordParameter)}).low, 1u);
    ASSERT_EQ(WaitForSingleObject(ran_.get(), kWaitMs), WAIT_OBJECT_0);
    EXPECT_EQ(record.parameter, 0);

    ResetEvent(ran_.get());
    ASSERT_EQ(StartThread({SubArg(RecordParameter), rt::MakeDouble(-9.8)}).low, 1u);
    ASSERT_EQ(WaitForSingleObject(ran_.get(), kWaitMs), WAIT_OBJECT_0);
    EXPECT_EQ(record.parameter, -9);
}

TEST_F(StartThreadTest, WithoutAHandleVariableNoHandleStaysOpen)
{
    DWORD before = HandleCount();
    ASSERT_NE(before, 0u) << "the handle count can be read";
    {
        rt::UniqueHandle probe = NewEvent();
        ASSERT_EQ(HandleCount(), before + 1) << "the count sees one more handle";
    }
    ASSERT_EQ(HandleCount(), before);
    int32_t variable = 0;
    // A plain number in the reference's place is no variable: its value is never written to.
    rt::ValueTriple notAReference = rt::MakePointerValue(&variable, rt::kInt);
    ASSERT_EQ(StartThread({SubArg(WaitForRelease), rt::MakeInt(4), notAReference}).low, 1u);
    ASSERT_EQ(WaitForSingleObject(ran_.get(), kWaitMs), WAIT_OBJECT_0);
    SetEvent(release_.get());
    EXPECT_EQ(HandleCountSettledAt(before), before);
    EXPECT_EQ(variable, 0);
}

TEST_F(StartThreadTest, TheStoredHandleIsTheCallersAndGivesTheSubsExitCode)
{
    DWORD before = HandleCount();
    int32_t handleVariable = 0;
    rt::ValueTriple reference = rt::commands::IntVariableReference(&handleVariable);
    ASSERT_EQ(StartThread({SubArg(WaitForRelease), rt::MakeInt(77), reference}).low, 1u);
    ASSERT_NE(handleVariable, 0);
    rt::UniqueHandle thread(reinterpret_cast<HANDLE>(static_cast<intptr_t>(handleVariable)));

    ASSERT_EQ(WaitForSingleObject(ran_.get(), kWaitMs), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(thread.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the sub still runs";
    SetEvent(release_.get());
    ASSERT_EQ(WaitForSingleObject(thread.get(), kWaitMs), WAIT_OBJECT_0);
    DWORD exitCode = 0;
    ASSERT_TRUE(GetExitCodeThread(thread.get(), &exitCode));
    EXPECT_EQ(exitCode, 77u);
    EXPECT_EQ(HandleCount(), before + 1) << "the handle stays open until its owner closes it";
    thread.reset();
    EXPECT_EQ(HandleCountSettledAt(before), before);
}

// Each thread gets the parameter it was started with, however many start at once.
std::array<std::atomic<int32_t>, 32> seen;
int32_t MarkSeen(int32_t parameter)
{
    if (parameter >= 0 && parameter < static_cast<int32_t>(seen.size())) {
        ++seen[parameter];
    }
    return 0;
}

TEST_F(StartThreadTest, ThreadsStartedTogetherKeepTheirOwnParameters)
{
    std::vector<rt::UniqueHandle> threads;
    for (int32_t i = 0; i < static_cast<int32_t>(seen.size()); ++i) {
        int32_t handleVariable = 0;
        ASSERT_EQ(
            StartThread({SubArg(MarkSeen), rt::MakeInt(i), rt::commands::IntVariableReference(&handleVariable)}).low,
            1u);
        threads.emplace_back(reinterpret_cast<HANDLE>(static_cast<intptr_t>(handleVariable)));
    }
    for (rt::UniqueHandle& thread : threads) {
        EXPECT_EQ(WaitForSingleObject(thread.get(), kWaitMs), WAIT_OBJECT_0);
        thread.reset();
    }
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i], 1) << "parameter " << i;
    }
}

TEST_F(StartThreadTest, SomethingOtherThanASubStartsNothing)
{
    DWORD before = HandleCount();
    int32_t handleVariable = 0;
    rt::ValueTriple reference = rt::commands::IntVariableReference(&handleVariable);
    const rt::ValueTriple notSubs[] = {
        {},
        rt::MakeInt(0x401000),
        rt::MakePointerValue(nullptr, rt::kSubPtr),
        rt::MakeText("RecordParameter"),
    };
    for (const rt::ValueTriple& notSub : notSubs) {
        rt::ValueTriple result = StartThread({notSub, rt::MakeInt(1), reference});
        EXPECT_EQ(result.type, rt::kLogical);
        EXPECT_EQ(result.low, 0u) << "type " << std::hex << notSub.type;
    }
    EXPECT_EQ(StartThread({}).low, 0u) << "no arguments at all";
    EXPECT_EQ(handleVariable, 0);
    EXPECT_EQ(HandleCount(), before);
}

}  // namespace
