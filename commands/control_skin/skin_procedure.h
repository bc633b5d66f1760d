// The window procedure that replaces the own procedure of every skinned control.
#pragma once

#include <windows.h>

namespace rt::commands::skin {

LRESULT CALLBACK SkinWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace rt::commands::skin
