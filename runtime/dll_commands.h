// Declared DLL commands: resolved on first call, cached, and reached through their address.
#pragma once

namespace rt {

// The address of DLL command i; a command that cannot be found is a final runtime error.
void* ResolveDllCommand(int index);

// Typed access for application code: DllCommand<int(__stdcall*)(int)>(0)(42).
template <typename Function>
Function DllCommand(int index)
{
    return reinterpret_cast<Function>(ResolveDllCommand(index));
}

}  // namespace rt
