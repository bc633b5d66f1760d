// The window classes of window units: the runtime's default class, or the one a window's
// ClassName names, registered on first use with the window unit's procedure.
#pragma once

#include <windows.h>

#include <string>

namespace rt {

// The wide class name, registered when it was not; empty when the name belongs to a class of
// another procedure (a window unit cannot be made from it).
std::wstring EnsureWindowClass(const std::string& gbkClassName);

}  // namespace rt
