// The window layer's start: the window kind, its services, the message filter, the focus hook and
// the shut-down teardown of live windows.
#pragma once

namespace rt {

// Called once at start-up, on the window thread; a second call does nothing.
void StartWindowLayer();

}  // namespace rt
