#include "app/split_plan.h"

#include <cmath>

#include "commands/core/number_commands.h"
#include "runtime/numeric_values.h"

namespace app {
namespace {

constexpr double kWholeNumberTolerance = 0.0000001;

int32_t Trunc(double value) { return rt::TruncateToInt32(value); }

// A number of at least 1 and at most limit; false for NaN.
bool InRange(double value, double limit) { return value >= 1 && value <= limit; }

bool WithinPieceLimit(double rows, double columns) { return rows * columns <= kMaxPieces; }

SplitPlan PlanByCount(const SplitRequest& request)
{
    SplitPlan plan;
    if (!InRange(request.rows, kMaxPieces) || !InRange(request.columns, kMaxPieces)) {
        plan.problem = PlanProblem::kBadCount;
        return plan;
    }
    plan.rows = Trunc(request.rows);
    plan.columns = Trunc(request.columns);
    if (!WithinPieceLimit(plan.rows, plan.columns)) {
        plan.problem = PlanProblem::kTooManyPieces;
        return plan;
    }
    int32_t cellWidth = Trunc(request.pictureWidth / request.columns);
    int32_t cellHeight = Trunc(request.pictureHeight / request.rows);
    if (cellWidth < 1 || cellHeight < 1) {
        plan.problem = PlanProblem::kPictureTooSmall;
        return plan;
    }
    plan.stepX = cellWidth;
    plan.stepY = cellHeight;
    plan.cutWidth = Trunc(cellWidth + 2.0);
    plan.cutHeight = Trunc(cellHeight + 2.0);
    return plan;
}

SplitPlan PlanBySize(const SplitRequest& request)
{
    SplitPlan plan;
    if (!InRange(request.pieceWidth, kMaxPictureSide) || !InRange(request.pieceHeight, kMaxPictureSide)) {
        plan.problem = PlanProblem::kBadSize;
        return plan;
    }
    if (request.pictureWidth < 1 || request.pictureHeight < 1) {
        plan.problem = PlanProblem::kPictureTooSmall;
        return plan;
    }
    double columns = CountCeiling(request.pictureWidth / request.pieceWidth);
    double rows = CountCeiling(request.pictureHeight / request.pieceHeight);
    if (!WithinPieceLimit(rows, columns)) {
        plan.problem = PlanProblem::kTooManyPieces;
        return plan;
    }
    plan.rows = static_cast<int32_t>(rows);
    plan.columns = static_cast<int32_t>(columns);
    plan.stepX = request.pieceWidth;
    plan.stepY = request.pieceHeight;
    plan.cutWidth = Trunc(request.pieceWidth + 2.0);
    plan.cutHeight = Trunc(request.pieceHeight + 2.0);
    return plan;
}

}  // namespace

SplitPlan PlanSplit(const SplitRequest& request)
{
    return request.mode == SplitMode::kBySize ? PlanBySize(request) : PlanByCount(request);
}

CutRect CellCut(const SplitPlan& plan, int32_t row, int32_t column)
{
    return {Trunc(plan.stepX * (column - 1)), Trunc(plan.stepY * (row - 1)), plan.cutWidth, plan.cutHeight};
}

int32_t CountCeiling(double value)
{
    int32_t whole = rt::commands::IntegerPartOf(value);
    return std::fabs(whole - value) > kWholeNumberTolerance ? whole + 1 : whole;
}

int32_t ProgressAfter(int32_t piece, int32_t total) { return Trunc(100.0 / total * piece); }

}  // namespace app
