#include "commands/shell/run_shell_verb.h"

#include <windows.h>

#include <shellapi.h>

#include <iterator>
#include <string>

#include "commands/core/command_args.h"
#include "runtime/text_codec.h"
#include "runtime/trace.h"

namespace rt::commands {
namespace {

constexpr const wchar_t* kVerbs[] = {L"edit", L"explore", L"find", L"open", L"print"};

// Window modes 1 to 6: hidden, normal, minimised, maximised, shown without activating, minimised.
constexpr int kShowCommands[] = {SW_HIDE, SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED, SW_SHOWNA, SW_MINIMIZE};

// Null, the target's default verb, for anything but 1 to 5.
const wchar_t* VerbOf(const ValueTriple& value)
{
    int32_t verb = IntegerOf(value).value_or(0);
    if (verb < 1 || verb > static_cast<int32_t>(std::size(kVerbs))) {
        return nullptr;
    }
    return kVerbs[verb - 1];
}

int ShowCommandOf(const ValueTriple& value)
{
    int32_t mode = IntegerOf(value).value_or(0);
    if (mode < 1 || mode > static_cast<int32_t>(std::size(kShowCommands))) {
        return SW_SHOWNORMAL;
    }
    return kShowCommands[mode - 1];
}

}  // namespace

void RunShellVerbCommand(ValueTriple*, int argCount, ValueTriple* args)
{
    CommandArgs arguments(argCount, args);
    std::wstring target = WideFromGbk(TextOf(arguments[1]));
    std::wstring parameters = WideFromGbk(TextOf(arguments[2]));
    std::wstring folder = WideFromGbk(TextOf(arguments[3]));
    // The shell's refusal is no result of the command; only the trace tells it.
    auto answer = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, VerbOf(arguments[0]), target.c_str(),
                                                          parameters.empty() ? nullptr : parameters.c_str(),
                                                          folder.c_str(), ShowCommandOf(arguments[4])));
    if (answer <= 32) {
        TraceFailure("RunShellVerb: ShellExecuteW", answer, std::string(TextOf(arguments[1])).c_str());
    }
}

}  // namespace rt::commands
