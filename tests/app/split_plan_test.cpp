// The grid a split cuts: the worked examples of count and size mode, the pieces of the last column
// and row, and the counts and sizes that are refused before anything is written.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "app/split_plan.h"

namespace {

using app::CutRect;
using app::PlanProblem;
using app::SplitMode;

app::SplitPlan ByCount(double rows, double columns, int32_t width, int32_t height)
{
    return app::PlanSplit({SplitMode::kByCount, rows, columns, 0, 0, width, height});
}

app::SplitPlan BySize(double pieceWidth, double pieceHeight, int32_t width, int32_t height)
{
    return app::PlanSplit({SplitMode::kBySize, 0, 0, pieceWidth, pieceHeight, width, height});
}

bool SameCut(const CutRect& a, const CutRect& b)
{
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

TEST(SplitPlan, CountModeCutsCellsOfTheQuotientInReadingOrder)
{
    app::SplitPlan plan = ByCount(3, 5, 1000, 750);
    ASSERT_EQ(plan.problem, PlanProblem::kNone);
    EXPECT_EQ(plan.rows, 3);
    EXPECT_EQ(plan.columns, 5);
    EXPECT_EQ(plan.total(), 15);
    std::vector<int32_t> lefts;
    for (int32_t column = 1; column <= 5; ++column) {
        lefts.push_back(app::CellCut(plan, 1, column).x);
    }
    EXPECT_EQ(lefts, (std::vector<int32_t>{0, 200, 400, 600, 800}));
    // The cut is the piece plus the scratch board's 2-pixel frame.
    EXPECT_TRUE(SameCut(app::CellCut(plan, 3, 5), {800, 500, 202, 252}));
}

TEST(SplitPlan, CountModeLeavesTheRemainderOutAndTruncatesRealCounts)
{
    EXPECT_EQ(ByCount(3, 5, 1003, 750).stepX, 200);
    // The default picture with 3 rows and 5 columns: pieces of 96 x 120.
    app::SplitPlan plan = ByCount(3, 5, 480, 360);
    EXPECT_EQ(plan.cutWidth - 2, 96);
    EXPECT_EQ(plan.cutHeight - 2, 120);
    // 2.5 rows: two rows of cells a 2.5th of the height.
    app::SplitPlan real = ByCount(2.5, 1, 100, 100);
    EXPECT_EQ(real.rows, 2);
    EXPECT_EQ(real.stepY, 40);
}

TEST(SplitPlan, SizeModeRoundsTheCountUpAndOverhangsTheEdge)
{
    app::SplitPlan plan = BySize(300, 300, 1000, 750);
    ASSERT_EQ(plan.problem, PlanProblem::kNone);
    EXPECT_EQ(plan.columns, 4);
    EXPECT_EQ(plan.rows, 3);
    EXPECT_TRUE(SameCut(app::CellCut(plan, 3, 4), {900, 600, 302, 302}));
    EXPECT_EQ(BySize(300, 10, 600, 10).columns, 2);
    EXPECT_EQ(BySize(299, 10, 600, 10).columns, 3);
}

TEST(SplitPlan, CountCeilingTreatsValuesJustAboveAWholeNumberAsIt)
{
    EXPECT_EQ(app::CountCeiling(3.3333), 4);
    EXPECT_EQ(app::CountCeiling(2.5), 3);
    EXPECT_EQ(app::CountCeiling(3.0), 3);
    EXPECT_EQ(app::CountCeiling(3.00000009), 3);
    EXPECT_EQ(app::CountCeiling(3.0000002), 4);
    EXPECT_EQ(app::CountCeiling(0.5), 1);
}

TEST(SplitPlan, ProgressReachesAHundredAtTheLastPiece)
{
    std::vector<int32_t> positions;
    for (int32_t n = 1; n <= 15; ++n) {
        positions.push_back(app::ProgressAfter(n, 15));
    }
    EXPECT_EQ(positions.front(), 6);
    EXPECT_EQ(positions[1], 13);
    EXPECT_EQ(positions[2], 20);
    EXPECT_EQ(positions.back(), 100);
}

TEST(SplitPlan, CountsThatMakeNoPiecesAreRefused)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double bad : {0.0, -3.0, 0.5, nan, inf, -inf}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(ByCount(bad, 5, 1000, 750).problem, PlanProblem::kBadCount);
        EXPECT_EQ(ByCount(3, bad, 1000, 750).problem, PlanProblem::kBadCount);
    }
    // More columns than pixels: cells of no width.
    EXPECT_EQ(ByCount(1, 20, 10, 10).problem, PlanProblem::kPictureTooSmall);
    EXPECT_EQ(ByCount(3, 5, 0, 0).problem, PlanProblem::kPictureTooSmall);
}

TEST(SplitPlan, SizesThatMakeNoPiecesAreRefused)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double bad : {0.0, -100.0, 0.5, nan, 16001.0, 1e300}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(BySize(bad, 100, 1000, 750).problem, PlanProblem::kBadSize);
        EXPECT_EQ(BySize(100, bad, 1000, 750).problem, PlanProblem::kBadSize);
    }
    EXPECT_EQ(BySize(100, 100, 0, 750).problem, PlanProblem::kPictureTooSmall);
}

TEST(SplitPlan, MoreThanTheLimitOfPiecesIsRefused)
{
    EXPECT_EQ(ByCount(25, 40, 4000, 3000).problem, PlanProblem::kNone);
    EXPECT_EQ(ByCount(25, 41, 4000, 3000).problem, PlanProblem::kTooManyPieces);
    EXPECT_EQ(ByCount(1e6, 1e6, 4000, 3000).problem, PlanProblem::kBadCount);
    // A size of one pixel would cut a picture into millions of files.
    EXPECT_EQ(BySize(1, 1, 1000, 750).problem, PlanProblem::kTooManyPieces);
    EXPECT_EQ(BySize(100, 75, 1000, 750).total(), 100);
}

}  // namespace
