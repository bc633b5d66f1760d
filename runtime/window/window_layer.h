// The window layer's start: the window kind, its services, the message filter, the focus hook and
// the shut-down teardown of live windows.
#pragma once

#include <windows.h>

#include <cstdint>

namespace rt {

// Service 2005's request.
struct LoadWindowRequest {
    uint32_t windowId = 0;
    void* owner = nullptr;  // the owner's window unit object, or null
    int32_t modal = 0;
};

// Called once at start-up, on the window thread; a second call does nothing.
void StartWindowLayer();

}  // namespace rt
