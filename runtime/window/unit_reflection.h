// Notifications that child controls send their parent (colour requests, commands, notifies,
// scrolls, owner drawing) are handed back to the unit whose control sent them, so that each kind
// answers for its own control whichever window or container it sits in.
#pragma once

#include <windows.h>

namespace rt {

// The control a parent notification comes from; null for any other message.
HWND NotificationSource(UINT message, WPARAM wParam, LPARAM lParam);

// Makes a helper control's notifications (an up-down beside its edit box) go to the unit whose
// control is unitControl.
void SetReflectionTarget(HWND helper, HWND unitControl);

// Hands a notification to the unit of its source control; true, with the answer, when the unit
// took it. Window procedures of windows and containers call this before their own handling.
bool ReflectToUnit(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace rt
