#include <windows.h>

#include <string>

#include "commands/core/command_args.h"
#include "commands/core/value_text.h"
#include "commands/core/window_commands.h"
#include "runtime/text_codec.h"

namespace rt::commands {
namespace {

constexpr UINT kSystemModal = 0x1000;
constexpr UINT kTaskModal = 0x2000;

}  // namespace

void MessageBoxCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    CommandArgs in(argCount, args);
    auto flags = static_cast<UINT>(IntegerOf(in[1]).value_or(0));
    if ((flags & kSystemModal) == 0) flags |= kTaskModal;
    std::string caption = in[2].omitted() ? std::string("信息：") : std::string(TextOf(in[2]));
    // Texts, numbers, logicals and date-times show their text form; anything else shows nothing.
    std::wstring message = WideFromGbk(ValueText(in[0]).value_or(std::string()));
    int pressed = MessageBoxW(nullptr, message.c_str(), WideFromGbk(caption).c_str(), flags);
    // Windows numbers the buttons from IDOK = 1 in this order; a box that failed to show gives -1.
    *result = MakeInt(pressed - 1);
}

}  // namespace rt::commands
