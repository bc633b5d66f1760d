// Owners of the kernel and GDI handles the driver opens, so every early return releases them.
#pragma once

#include <windows.h>

#include <utility>

namespace automation {

// A kernel handle (process, thread, event, file); null and INVALID_HANDLE_VALUE both mean none.
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset()
    {
        if (handle_) {
            CloseHandle(handle_);
            handle_ = nullptr;
        }
    }

private:
    HANDLE handle_ = nullptr;
};

// The screen's device context, borrowed with GetDC(nullptr) and given back with ReleaseDC.
class ScreenDC {
public:
    ScreenDC() : dc_(GetDC(nullptr)) {}
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    ~ScreenDC()
    {
        if (dc_) {
            ReleaseDC(nullptr, dc_);
        }
    }
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// A memory DC created for a reference DC and deleted with DeleteDC.
class MemoryDC {
public:
    explicit MemoryDC(HDC reference) : dc_(CreateCompatibleDC(reference)) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC()
    {
        if (dc_) {
            DeleteDC(dc_);
        }
    }
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// A GDI object this code created; stock objects never go in here.
template <typename Object>
class OwnedGdiObject {
public:
    explicit OwnedGdiObject(Object object) : object_(object) {}
    OwnedGdiObject(const OwnedGdiObject&) = delete;
    OwnedGdiObject& operator=(const OwnedGdiObject&) = delete;
    ~OwnedGdiObject()
    {
        if (object_) {
            DeleteObject(object_);
        }
    }
    Object get() const { return object_; }

private:
    Object object_;
};

// Selects an object into a DC for one scope and puts the previous one back.
class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;
    ~ScopedSelection() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace automation
