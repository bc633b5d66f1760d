#include "controls/html_viewer/html_viewer_unit.h"

#include <algorithm>
#include <utility>

#include "runtime/unit_options/option_fields.h"

namespace rt::units {

HtmlViewerUnit::HtmlViewerUnit(const UnitCreateArgs& args, const HtmlViewerOptions& options)
    : LiveUnit(args.windowId, args.unitId), options_(options)
{
    options_.TextSize = std::clamp(options_.TextSize, 0, kMaxTextSize);
}

HtmlViewerUnit::~HtmlViewerUnit() { *alive_ = false; }

bool HtmlViewerUnit::startBrowser()
{
    browser_ = EmbeddedBrowser::Create(handle_, *this);
    if (!browser_) {
        return false;
    }
    browser_->setOffline(options_.Offline);
    browser_->setSilent(options_.Silent);
    applyTextSize();
    if (!options_.Address.empty()) {
        navigate();
    }
    return true;
}

void HtmlViewerUnit::onHostResized()
{
    if (browser_) {
        browser_->fillHost();
    }
}

void HtmlViewerUnit::onHostFocused()
{
    if (browser_) {
        browser_->takeFocus();
    }
}

void HtmlViewerUnit::onHostDestroyed() { browser_.reset(); }

void HtmlViewerUnit::navigate()
{
    if (browser_) {
        browser_->navigate(options_.Address);
    }
}

void HtmlViewerUnit::applyTextSize()
{
    if (browser_) {
        browser_->setTextSize(options_.TextSize);
    }
}

bool HtmlViewerUnit::setProperty(int number, const PropertyValue& value)
{
    switch (number) {
    case kHtmlTextSize:
        options_.TextSize = std::clamp(value.number, 0, kMaxTextSize);
        applyTextSize();
        break;
    case kHtmlOffline:
        options_.Offline = value.number != 0;
        if (browser_) {
            browser_->setOffline(options_.Offline);
        }
        break;
    case kHtmlSilent:
        options_.Silent = value.number != 0;
        if (browser_) {
            browser_->setSilent(options_.Silent);
        }
        break;
    case kHtmlAddress:
        options_.Address = value.text;
        navigate();
        break;
    default:
        break;
    }
    return false;
}

PropertyValue HtmlViewerUnit::getProperty(int number)
{
    PropertyValue value;
    switch (number) {
    case kHtmlTextSize:
        value.number = options_.TextSize;
        break;
    case kHtmlOffline:
        value.number = (browser_ ? browser_->offline() : std::nullopt).value_or(options_.Offline);
        break;
    case kHtmlSilent:
        value.number = (browser_ ? browser_->silent() : std::nullopt).value_or(options_.Silent);
        break;
    case kHtmlAddress:
        value.text = address();
        break;
    case kHtmlStatusText:
        value.text = statusText_;
        break;
    case kHtmlPageTitle:
        value.text = pageTitle();
        break;
    default:
        break;
    }
    return value;
}

// The navigation being reported while event 0, 1 or 5 runs, else where the browser is.
std::string HtmlViewerUnit::address()
{
    if (reportedAddress_) {
        return *reportedAddress_;
    }
    return browser_ ? browser_->locationAddress() : options_.Address;
}

// The new title while event 7 runs, else the name of the browser's current location.
std::string HtmlViewerUnit::pageTitle()
{
    if (newTitle_) {
        return *newTitle_;
    }
    return browser_ ? browser_->locationName() : std::string();
}

std::vector<uint8_t> HtmlViewerUnit::serialise() { return WriteOptions(options_); }

// Keys and mouse messages for the browser while it holds the focus go to its accelerators first.
bool HtmlViewerUnit::preFilter(MSG& message)
{
    bool keyOrMouse = (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) ||
                      (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST);
    if (!keyOrMouse || !browser_ || !handle_) {
        return false;
    }
    HWND focus = GetFocus();
    bool focusInside = focus && (focus == handle_ || IsChild(handle_, focus));
    bool aimedInside = message.hwnd == handle_ || IsChild(handle_, message.hwnd);
    return focusInside && aimedInside && browser_->translateAccelerator(message);
}

EventAnswer HtmlViewerUnit::raise(int32_t event, std::initializer_list<int32_t> args)
{
    return RaiseUnitEvent(windowId(), unitId(), event, args);
}

// A handler may raise a nested event of the same text (a navigation from inside event 0): the
// outer handler's text comes back after it. A handler may also close the window, and with it the
// unit, which then must not be touched.
EventAnswer HtmlViewerUnit::raiseWithText(std::optional<std::string> HtmlViewerUnit::*text, const std::string& value,
                                          int32_t event)
{
    std::shared_ptr<bool> alive = alive_;
    std::optional<std::string> outer = std::exchange(this->*text, value);
    EventAnswer answer = raise(event);
    if (*alive) {
        this->*text = std::move(outer);
    }
    return answer;
}

bool HtmlViewerUnit::onBeforeNavigate(const std::string& address)
{
    return !raiseWithText(&HtmlViewerUnit::reportedAddress_, address, kHtmlBeforeNavigate).vetoed();
}

void HtmlViewerUnit::onNavigateComplete(const std::string& address)
{
    raiseWithText(&HtmlViewerUnit::reportedAddress_, address, kHtmlNavigateComplete);
}

void HtmlViewerUnit::onDownloadBegin() { raise(kHtmlDownloadBegin); }

void HtmlViewerUnit::onProgress(int32_t percent) { raise(kHtmlProgress, {percent}); }

void HtmlViewerUnit::onDownloadComplete() { raise(kHtmlDownloadComplete); }

void HtmlViewerUnit::onDocumentComplete(const std::string& address)
{
    raiseWithText(&HtmlViewerUnit::reportedAddress_, address, kHtmlDocumentComplete);
}

void HtmlViewerUnit::onStatusText(const std::string& text)
{
    statusText_ = text;
    raise(kHtmlStatusTextChanged);
}

void HtmlViewerUnit::onTitleChange(const std::string& title)
{
    raiseWithText(&HtmlViewerUnit::newTitle_, title, kHtmlTitleChanged);
}

void HtmlViewerUnit::onCommandState(int32_t which, bool enabled) { raise(kHtmlCommandState, {which, enabled ? 1 : 0}); }

bool HtmlViewerUnit::onNewWindow() { return !raise(kHtmlNewWindow).vetoed(); }

}  // namespace rt::units
