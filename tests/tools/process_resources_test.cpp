// The figures of another process: a process holding more objects and memory measures so.
#include <gtest/gtest.h>

#include "tests/tools/fixture.h"
#include "tests/tools/fixture_process.h"
#include "tools/automation/process_resources.h"
#include "tools/automation/window_query.h"

namespace {

constexpr int kHeld = 100;
// Painting may make or free a few objects of its own at any time, and windows may own some.
constexpr long kPaintingSlack = 10;
// Readings a little apart until two agree.
constexpr int kSettleReadings = 20;
constexpr DWORD kSettleMs = 100;

// The figures once the fixture's window is shown and done painting: while its eleven controls
// paint for the first time, the device contexts and fonts of the painting come and go by dozens.
automation::ProcessResources MeasureShownFixture(const automation::ChildProcess& child)
{
    automation::WindowQuery query;
    query.title = fixture::kWindowTitle;
    const HWND window = automation::WaitForTopWindow(child.pid(), query, fixture::kWaitMs);
    EXPECT_NE(window, nullptr);
    std::optional<automation::ProcessResources> measured;
    for (int reading = 0; reading < kSettleReadings; ++reading) {
        // Answered once the window thread is back in its message loop with nothing to paint.
        automation::SendBounded(window, WM_NULL, 0, 0);
        std::optional<automation::ProcessResources> now = automation::MeasureProcess(child.handle());
        if (measured && now && now->gdiObjects == measured->gdiObjects) {
            break;
        }
        measured = now;
        Sleep(kSettleMs);
    }
    EXPECT_TRUE(measured);
    return measured.value_or(automation::ProcessResources{});
}

TEST(ProcessResources, AProcessHoldingMoreObjectsAndMemoryMeasuresMore)
{
    automation::ChildProcess plain = fixture::StartFixture({L"window"});
    automation::ChildProcess holding = fixture::StartFixture({L"holding", std::to_wstring(kHeld)});
    ASSERT_TRUE(plain && holding);
    const automation::ProcessResources few = MeasureShownFixture(plain);
    const automation::ProcessResources many = MeasureShownFixture(holding);

    EXPECT_GT(few.privateBytes, 0u);
    EXPECT_GT(few.gdiObjects, 0);
    // The main window and its eleven controls.
    EXPECT_GE(few.userObjects, 12);
    EXPECT_GE(many.privateBytes, few.privateBytes + kHeld * 64 * 1024);
    EXPECT_GE(many.gdiObjects - few.gdiObjects, kHeld - kPaintingSlack);
    EXPECT_EQ(many.userObjects - few.userObjects, kHeld);
}

TEST(ProcessResources, NoProcessHasNoFigures) { EXPECT_FALSE(automation::MeasureProcess(nullptr)); }

}  // namespace
