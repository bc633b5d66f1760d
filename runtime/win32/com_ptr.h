// An owned COM interface pointer: one reference, released when the owner goes or is reset.
#pragma once

#include <unknwn.h>

#include <utility>

namespace rt {

template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        if (this != &other) {
            reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }

    // Takes over a reference the caller already holds.
    static ComPtr adopt(Interface* pointer)
    {
        ComPtr owned;
        owned.pointer_ = pointer;
        return owned;
    }

    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    // For out-parameters: releases what is held and hands out the slot.
    Interface** put()
    {
        reset();
        return &pointer_;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }

    void reset()
    {
        if (Interface* held = std::exchange(pointer_, nullptr)) {
            held->Release();
        }
    }

    // Another interface of the same object, or empty when it has none.
    template <class Other>
    ComPtr<Other> query(REFIID iid) const
    {
        ComPtr<Other> other;
        if (pointer_) {
            pointer_->QueryInterface(iid, other.putVoid());
        }
        return other;
    }

private:
    Interface* pointer_ = nullptr;
};

}  // namespace rt
