// The up-down control beside a single-line edit box: created in the box's parent, 18 pixels wide
// and as high as the box, immediately right of it, shown, hidden, enabled and disabled with it.
// It has no buddy, so it never changes the box's text itself; its notifications go to the box's
// unit.
#pragma once

#include <windows.h>

#include <cstdint>

namespace rt::units {

class EditSpin {
public:
    EditSpin() = default;
    ~EditSpin() { destroy(); }
    EditSpin(const EditSpin&) = delete;
    EditSpin& operator=(const EditSpin&) = delete;

    // Creates the control beside the box with the range of the two values; false on failure.
    bool create(HWND box, int32_t spinMin, int32_t spinMax);
    void destroy();

    bool exists() const { return control_ != nullptr; }
    bool is(HWND window) const { return control_ && window == control_; }
    HWND handle() const { return control_; }

    void setRange(int32_t spinMin, int32_t spinMax);
    // Takes its place beside the box again, in the box's parent (the loader may have moved the
    // box into a container), visible when the box is.
    void follow(HWND box);
    void show(bool shown);
    void enable(bool enabled);

private:
    HWND control_ = nullptr;
};

}  // namespace rt::units
