#include "commands/xp_style/set_xp_style.h"

#include "commands/control_skin/control_skin.h"
#include "commands/core/command_args.h"

namespace rt::commands {

void SetXpStyleCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    int32_t scheme = IntegerOf(CommandArgs(argCount, args)[0]).value_or(0);
    bool switchOn = scheme >= kSkinBlue && scheme <= kSkinSilver;
    *result = MakeInt(switchOn ? SwitchSkinOn(scheme) : SwitchSkinOff());
}

}  // namespace rt::commands
