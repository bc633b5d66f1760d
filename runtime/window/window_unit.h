// The window unit (kind 0x00010001): the top-level window that every template starts with. Its
// object is the state of one window, created at WM_NCCREATE and freed at WM_NCDESTROY.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "runtime/unit_options/window_options.h"
#include "runtime/templates/template_collection.h"
#include "runtime/window/unit_kind.h"
#include "runtime/window/window_look.h"

namespace rt {

// The window's own property numbers (index - 8).
enum WindowProperty : int {
    kWindowTitle = 0,
    kWindowBorder,
    kWindowBackColour,
    kWindowBackPicture,
    kWindowBackPictureMode,
    kWindowBackMusic,
    kWindowPlayCount,
    kWindowControlBox,
    kWindowMaxButton,
    kWindowMinButton,
    kWindowStartPosition,
    kWindowMovable,
    kWindowIcon,
    kWindowEnterMovesFocus,
    kWindowEscCloses,
    kWindowF1Help,
    kWindowHelpFile,
    kWindowHelpContext,
    kWindowShowInTaskbar,
    kWindowDragAnywhere,
    kWindowShape,
    kWindowAlwaysOnTop,
    kWindowKeepTitleActive,
    kWindowClassName,
    kWindowPropertyCount
};

class WindowUnit : public LiveUnit {
public:
    WindowUnit(const UnitCreateArgs& args, WindowOptions options);

    static const UnitKindDescription& Kind();

    bool setProperty(int number, const PropertyValue& value) override;
    PropertyValue getProperty(int number) override;
    std::vector<uint8_t> serialise() override;

    const WindowOptions& options() const { return options_; }
    bool modal() const { return modal_; }

    // Shows the window as its StartPosition says: normal, minimised or maximised. A centred window
    // is centred by a write of StartPosition, and at its creation only: its first show keeps the
    // place its creation handler may have given it.
    enum class Centring { kKeepPlace, kCentre };
    void showAtStartPosition(Centring centring);
    // The first-show path: runs once per load; a modal window runs its nested loop here.
    void runFirstShow();
    // A visible window loaded without the first-show path (the start window) is shown already.
    void markFirstShown() { firstShowPending_ = false; }
    // Visible written: a window loaded hidden is shown the first time through the first-show path.
    void setVisible(bool visible);
    void setLoadComplete() { loadComplete_ = true; }
    bool loadComplete() const { return loadComplete_; }

    // Modal load: disables the program's other visible top-level windows, remembering their state.
    void disableOtherWindows();
    void reenableDisabledWindows();

    // A close request: event 1 may veto it; otherwise the window is destroyed.
    void requestClose();
    // DestroyWindow's deferred close: no veto; the window goes when the message loop next runs,
    // or earlier through destroy() (a load of the window carries the close out first).
    void markForDestruction();
    bool destructionPending() const { return closeRequested_; }
    // Re-enables what a modal load disabled, then destroys the window.
    void destroy();

    // Idle event 7 is offered while the handler keeps answering true in the current idle period.
    bool idleActive = true;

    // Binds the object to its window at WM_NCCREATE.
    void bind(HWND window) { handle_ = window; }
    // After CreateWindowEx: the exact stored size, icons, shape, font, topmost, Movable.
    void finishCreation(int width, int height);

    // The window procedure's state handling, one handler per message.
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void applyFrameStyles();
    void applyIcons();
    void applyShape();
    void applyMovable();
    void applyAlwaysOnTop();
    void applyStartPosition();

    void onActivate(WPARAM wParam);
    void onEraseBackground(HDC dc);
    void onSize();

    WindowOptions options_;
    bool modal_;
    bool loadComplete_ = false;
    bool firstShowPending_ = true;
    bool activatedOnce_ = false;
    bool closeRequested_ = false;
    std::vector<std::pair<HWND, bool>> disabledWindows_;
    WindowIconPair icons_;
    UniqueBitmap backPicture_;  // BackPicture decoded once, drawn at every erase
};

// The live window of a template: the window unit whose window exists, else null.
WindowUnit* LiveWindowOf(WindowTemplate& window);

// The window kind's create routine: creates the window hidden, with the stored position and size.
LiveUnit* CreateWindowUnit(const UnitCreateArgs& args);

}  // namespace rt
