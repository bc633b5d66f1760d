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

automation::ProcessResources MeasureShownFixture(const automation::ChildProcess& child)
{
    automation::WindowQuery query;
    query.title = fixture::kWindowTitle;
    EXPECT_NE(automation::WaitForTopWindow(child.pid(), query, fixture::kWaitMs), nullptr);
    std::optional<automation::ProcessResources> measured = automation::MeasureProcess(child.handle());
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
