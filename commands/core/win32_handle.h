// An owned kernel file handle, closed when its owner goes.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace rt {

struct FileHandleCloser {
    void operator()(HANDLE handle) const
    {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};
using FileHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, FileHandleCloser>;

// CreateFileW's result owned; null when it failed.
inline FileHandle OwnFileHandle(HANDLE handle)
{
    return FileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

}  // namespace rt
