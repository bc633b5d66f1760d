// The program's private window messages, all in one table: the runtime's, the window layer's and
// the units'. The trace names a private message that reaches a window nobody made it for.
#pragma once

#include <windows.h>

namespace rt {

// The runtime window: ExitProgram called on another thread asks the window thread to shut down.
inline constexpr UINT kExitRequestMessage = 0x83E7;
// The runtime window: worker requests are waiting.
inline constexpr UINT kRunOnWindowThreadMessage = 0x83E8;
// A window unit: carry out the close that DestroyWindow marked.
inline constexpr UINT kCarryOutCloseMessage = 0x83E9;
// Every unit of a loaded window: all the window's units exist now.
inline constexpr UINT kAllUnitsCreatedMessage = 0x806f;
// A loaded window: its units exist now.
inline constexpr UINT kWindowUnitsCreatedMessage = 0x8004;
// Every unit of a loaded window: the load is over.
inline constexpr UINT kLoadFinishedMessage = 0x8076;
// A label: raise the feedback event with wParam and lParam.
inline constexpr UINT kFeedbackMessage = 0x8075;

// The private range these messages come from (WM_APP to the registered messages).
inline bool IsPrivateMessage(UINT message) { return message >= WM_APP && message < 0xC000; }

// The message's name; null for a message not in the table.
const char* PrivateMessageName(UINT message);

}  // namespace rt
