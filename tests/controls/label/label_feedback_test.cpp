// RaiseFeedback from worker threads: a posted call returns at once and the label's event 0 runs
// later on the window thread; a waiting call returns the handler's value; bad references give 0.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <thread>
#include <vector>

#include "commands/core/command_slots.h"
#include "runtime/templates/unit_kinds.h"
#include "tests/controls/label/label_fixture.h"
#include "tests/runtime/window/thread_test_support.h"
#include "tests/runtime/window/window_test_support.h"

namespace {

using label_test::kLabel;
using label_test::kWindow;

std::atomic<int> calls{0};
std::atomic<DWORD> handlerThread{0};
std::atomic<int32_t> firstArg{0};
std::atomic<int32_t> secondArg{0};
bool handlerReturns = true;

rt::SubReturn OnFeedback(const int32_t* args, int count)
{
    calls += 1;
    handlerThread = GetCurrentThreadId();
    firstArg = count > 0 ? args[0] : -1;
    secondArg = count > 1 ? args[1] : -1;
    return handlerReturns ? rt::Returns(firstArg + secondArg) : rt::SubReturn{};
}

const rt::ApplicationSub kSubs[] = {OnFeedback};
const rt::CodeBase kCodeBase{kSubs, 1};

rt::ValueTriple CallRaiseFeedback(std::vector<rt::ValueTriple> args)
{
    // The core command table's entry of the method, as application code reaches it.
    rt::ValueTriple result{};
    rt::commands::ForwardCommand<rt::commands::CoreCommand::kRaiseFeedback>(&result, static_cast<int>(args.size()),
                                                                            args.data());
    return result;
}

rt::ValueTriple LabelRef() { return rt::MakeUnitRef(kWindow, kLabel, rt::kLabelKind); }

// Runs the call on a worker thread while the window thread keeps dispatching (bounded).
rt::ValueTriple CallFromWorkerWhilePumping(std::vector<rt::ValueTriple> args)
{
    rt::ValueTriple result{};
    std::vector<std::thread> worker;
    worker.emplace_back([&] { result = CallRaiseFeedback(args); });
    window_test::JoinWhilePumping(worker, 5000);
    return result;
}

struct LabelFeedbackTest : ::testing::Test {
    void SetUp() override
    {
        calls = 0;
        handlerThread = 0;
        handlerReturns = true;
        ASSERT_TRUE(label_test::LoadLabelWindow(rt::LabelOptions{}, kCodeBase));
    }
    void TearDown() override { label_test::CloseWindows(); }
};

TEST_F(LabelFeedbackTest, PostedCallReturnsAtOnceAndTheHandlerRunsOnTheWindowThread)
{
    rt::ValueTriple result{};
    // The window thread does not dispatch while the worker runs: a posted call must not wait.
    std::thread worker([&] {
        result = CallRaiseFeedback({LabelRef(), rt::MakeInt(3), rt::MakeInt(4), rt::MakeLogical(false)});
    });
    worker.join();
    EXPECT_EQ(result.type, rt::kInt);
    EXPECT_EQ(result.low, 0u);
    EXPECT_EQ(calls.load(), 0);

    window_test::Pump(50);
    EXPECT_EQ(calls.load(), 1);
    EXPECT_EQ(handlerThread.load(), GetCurrentThreadId());
    EXPECT_EQ(firstArg.load(), 3);
    EXPECT_EQ(secondArg.load(), 4);
}

TEST_F(LabelFeedbackTest, WaitingCallReturnsTheHandlersValue)
{
    rt::ValueTriple result =
        CallFromWorkerWhilePumping({LabelRef(), rt::MakeInt(40), rt::MakeInt(2), rt::MakeLogical(true)});
    EXPECT_EQ(calls.load(), 1);
    EXPECT_EQ(handlerThread.load(), GetCurrentThreadId());
    EXPECT_EQ(result.type, rt::kInt);
    EXPECT_EQ(static_cast<int32_t>(result.low), 42);
}

TEST_F(LabelFeedbackTest, OmittedWaitWaitsAndOmittedNumbersAreZero)
{
    rt::ValueTriple result = CallFromWorkerWhilePumping({LabelRef(), rt::MakeInt(-5)});
    EXPECT_EQ(calls.load(), 1);
    EXPECT_EQ(firstArg.load(), -5);
    EXPECT_EQ(secondArg.load(), 0);
    EXPECT_EQ(static_cast<int32_t>(result.low), -5);
}

TEST_F(LabelFeedbackTest, HandlerReturningNothingGivesZero)
{
    handlerReturns = false;
    rt::ValueTriple result = CallFromWorkerWhilePumping({LabelRef(), rt::MakeInt(8), rt::MakeInt(9)});
    EXPECT_EQ(calls.load(), 1);
    EXPECT_EQ(result.type, rt::kInt);
    EXPECT_EQ(result.low, 0u);
}

TEST_F(LabelFeedbackTest, CallOnTheWindowThreadRunsTheHandlerDirectly)
{
    rt::ValueTriple result = CallRaiseFeedback({LabelRef(), rt::MakeInt(1), rt::MakeInt(1), rt::MakeLogical(true)});
    EXPECT_EQ(static_cast<int32_t>(result.low), 2);
    EXPECT_EQ(calls.load(), 1);
}

TEST_F(LabelFeedbackTest, ManyWorkersPostingAndWaitingAllReachTheWindowThread)
{
    constexpr int kWorkers = 4;
    constexpr int kPostsEach = 50;
    constexpr int kSendsEach = 20;
    std::atomic<int> finished{0};
    std::atomic<int> wrongAnswers{0};
    std::atomic<bool> offThread{false};
    std::vector<std::thread> workers;
    for (int worker = 0; worker < kWorkers; ++worker) {
        workers.emplace_back([&, worker] {
            for (int i = 0; i < kPostsEach; ++i) {
                CallRaiseFeedback({LabelRef(), rt::MakeInt(worker), rt::MakeInt(i), rt::MakeLogical(false)});
            }
            for (int i = 0; i < kSendsEach; ++i) {
                rt::ValueTriple result = CallRaiseFeedback({LabelRef(), rt::MakeInt(worker), rt::MakeInt(i)});
                wrongAnswers += static_cast<int32_t>(result.low) == worker + i ? 0 : 1;
            }
            finished += 1;
        });
    }
    DWORD mainThread = GetCurrentThreadId();
    DWORD start = GetTickCount();
    while ((finished < kWorkers || calls < kWorkers * (kPostsEach + kSendsEach)) && GetTickCount() - start < 10000) {
        window_test::Pump(5);
        offThread = offThread || (handlerThread != 0 && handlerThread != mainThread);
    }
    window_test::JoinWhilePumping(workers, 10000);
    EXPECT_EQ(calls.load(), kWorkers * (kPostsEach + kSendsEach));
    EXPECT_EQ(wrongAnswers.load(), 0);
    EXPECT_FALSE(offThread.load());
}

TEST_F(LabelFeedbackTest, ReferencesToNoLiveLabelGiveZeroAndRunNothing)
{
    EXPECT_EQ(CallRaiseFeedback({rt::MakeUnitRef(kWindow, kLabel, rt::kButtonKind), rt::MakeInt(1)}).low, 0u);
    EXPECT_EQ(CallRaiseFeedback({rt::MakeUnitRef(kWindow, 0x16000999, rt::kLabelKind), rt::MakeInt(1)}).low, 0u);
    EXPECT_EQ(CallRaiseFeedback({rt::MakeInt(5)}).low, 0u);
    EXPECT_EQ(CallRaiseFeedback({}).low, 0u);
    label_test::CloseWindows();
    EXPECT_EQ(CallRaiseFeedback({LabelRef(), rt::MakeInt(1)}).low, 0u);
    window_test::Pump(20);
    EXPECT_EQ(calls.load(), 0);
}

TEST_F(LabelFeedbackTest, ALabelWithoutABindingAnswersZero)
{
    rt::ValueTriple result = CallRaiseFeedback(
        {rt::MakeUnitRef(kWindow, label_test::kSecondLabel, rt::kLabelKind), rt::MakeInt(1), rt::MakeInt(2)});
    EXPECT_EQ(result.low, 0u);
    EXPECT_EQ(calls.load(), 0);
}

}  // namespace
