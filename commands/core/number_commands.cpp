#include "commands/core/number_commands.h"

#include <cmath>

#include "commands/core/command_args.h"

namespace rt::commands {
namespace {

// A fraction closer than this to 1 is taken for a rounding error of a whole number.
constexpr double kSnapFraction = 0.999999999999;

}  // namespace

int32_t IntegerPartOf(double value)
{
    double whole = std::trunc(value);
    if (std::fabs(value - whole) > kSnapFraction) value = whole + (value > 0 ? 1.0 : -1.0);
    return TruncateToInt32(std::floor(value));
}

void IntegerPartCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    *result = MakeInt(IntegerPartOf(DoubleOf(CommandArgs(argCount, args)[0]).value_or(0.0)));
}

void AbsoluteValueCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    *result = MakeDouble(std::fabs(DoubleOf(CommandArgs(argCount, args)[0]).value_or(0.0)));
}

}  // namespace rt::commands
