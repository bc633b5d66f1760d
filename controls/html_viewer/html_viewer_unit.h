// The live HTML view: its stored properties, what reading them gives, and the events it raises
// from the browser's notifications. Owned by its host window, which it leaves at WM_NCDESTROY.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "controls/html_viewer/browser_events.h"
#include "controls/html_viewer/embedded_browser.h"
#include "runtime/unit_options/html_viewer_options.h"
#include "runtime/window/events.h"
#include "runtime/window/unit_kind.h"

namespace rt::units {

// The kind's own properties by number (index - 8).
enum HtmlViewerProperty : int {
    kHtmlTextSize = 0,
    kHtmlOffline = 1,
    kHtmlSilent = 2,
    kHtmlAddress = 3,
    kHtmlStatusText = 4,
    kHtmlPageTitle = 5,
};

// The kind's events.
enum HtmlViewerEvent : int32_t {
    kHtmlBeforeNavigate = 0,
    kHtmlNavigateComplete = 1,
    kHtmlDownloadBegin = 2,
    kHtmlProgress = 3,
    kHtmlDownloadComplete = 4,
    kHtmlDocumentComplete = 5,
    kHtmlStatusTextChanged = 6,
    kHtmlTitleChanged = 7,
    kHtmlCommandState = 8,
    kHtmlNewWindow = 9,
};

inline constexpr int32_t kMaxTextSize = 4;

class HtmlViewerUnit final : public LiveUnit, private BrowserEventTarget {
public:
    HtmlViewerUnit(const UnitCreateArgs& args, const HtmlViewerOptions& options);
    ~HtmlViewerUnit() override;

    void bind(HWND host) { handle_ = host; }
    // Embeds the browser in the host and applies the stored options; false when there is no
    // browser to embed.
    bool startBrowser();
    // The host window's messages: it passes its size and focus on to the browser.
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool setProperty(int number, const PropertyValue& value) override;
    PropertyValue getProperty(int number) override;
    std::vector<uint8_t> serialise() override;
    bool preFilter(MSG& message) override;

private:
    void onHostResized();
    void onHostFocused();
    void onHostDestroyed();
    bool onBeforeNavigate(const std::string& address) override;
    void onNavigateComplete(const std::string& address) override;
    void onDownloadBegin() override;
    void onProgress(int32_t percent) override;
    void onDownloadComplete() override;
    void onDocumentComplete(const std::string& address) override;
    void onStatusText(const std::string& text) override;
    void onTitleChange(const std::string& title) override;
    void onCommandState(int32_t which, bool enabled) override;
    bool onNewWindow() override;

    void navigate();
    void applyTextSize();
    std::string address();
    std::string pageTitle();
    EventAnswer raise(int32_t event, std::initializer_list<int32_t> args = {});
    // Raises an event with an event-time text set while its handler runs.
    EventAnswer raiseWithText(std::optional<std::string> HtmlViewerUnit::*text, const std::string& value,
                              int32_t event);

    HtmlViewerOptions options_;
    std::unique_ptr<EmbeddedBrowser> browser_;
    // Valid while event 0, 1 or 5 runs: the address of the navigation being reported.
    std::optional<std::string> reportedAddress_;
    // Valid while event 7 runs: the new title.
    std::optional<std::string> newTitle_;
    std::string statusText_;
    // Cleared when the unit goes, so that code after a handler knows whether it still exists.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace rt::units
