// The system's web browser control embedded in a host window: created and activated in place
// filling the host's client area, its notifications advised to a sink, and the requests the view
// makes of it (navigation, offline and silent modes, the text size, its location). Everything here
// runs on the host's thread, where the browser was created.
#pragma once

#include <ole2.h>
#include <exdisp.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "controls/html_viewer/browser_events.h"
#include "controls/html_viewer/browser_site.h"
#include "runtime/win32/com_ptr.h"

namespace rt::units {

// The control id the browser's own window gets inside the host.
inline constexpr int kBrowserControlId = 0xE900;

// Makes sure OLE is initialised on the calling thread; the runtime usually did it at start-up.
void EnsureOleOnThisThread();

class EmbeddedBrowser {
public:
    // The browser activated in host's client area with its notifications going to target; null
    // when the control or its browser interface cannot be had.
    static std::unique_ptr<EmbeddedBrowser> Create(HWND host, BrowserEventTarget& target);
    // Stops the notifications, deactivates and closes the control and releases every interface.
    ~EmbeddedBrowser();
    EmbeddedBrowser(const EmbeddedBrowser&) = delete;
    EmbeddedBrowser& operator=(const EmbeddedBrowser&) = delete;

    // The browser's own window inside the host.
    HWND window() const { return window_; }
    // Moves and sizes the browser to the host's client area again.
    void fillHost();
    void takeFocus();

    // The browser's navigate request: flags 0, an empty target frame, no post data, no headers.
    HRESULT navigate(const std::string& address);
    void setOffline(bool offline);
    void setSilent(bool silent);
    // The zoom command, without prompting, with the size as a 32-bit integer.
    HRESULT setTextSize(int32_t size);

    // What the browser reports; nullopt when it does not answer.
    std::optional<bool> offline();
    std::optional<bool> silent();
    std::string locationAddress();
    std::string locationName();

    // True when the browser used the key or mouse message as one of its accelerators.
    bool translateAccelerator(MSG& message);

private:
    EmbeddedBrowser() = default;
    bool activate(HWND host, BrowserEventTarget& target);
    void advise(BrowserEventTarget& target);
    void unadvise();

    HWND host_ = nullptr;
    HWND window_ = nullptr;
    ComPtr<BrowserSite> site_;
    ComPtr<IOleObject> object_;
    ComPtr<IOleInPlaceObject> inPlace_;
    ComPtr<IWebBrowser2> browser_;
    ComPtr<IConnectionPoint> events_;
    ComPtr<BrowserEventSink> sink_;
    DWORD cookie_ = 0;
};

}  // namespace rt::units
