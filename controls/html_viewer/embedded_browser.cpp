#include "controls/html_viewer/embedded_browser.h"

#include <ocidl.h>

#include "runtime/text_codec.h"
#include "runtime/trace.h"

namespace rt::units {
namespace {

// A BSTR owned for the length of a call.
class OwnedBstr {
public:
    explicit OwnedBstr(const std::wstring& text) : text_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size())))
    {
    }
    OwnedBstr() = default;
    ~OwnedBstr() { SysFreeString(text_); }
    OwnedBstr(const OwnedBstr&) = delete;
    OwnedBstr& operator=(const OwnedBstr&) = delete;

    BSTR get() const { return text_; }
    BSTR* put()
    {
        SysFreeString(text_);
        text_ = nullptr;
        return &text_;
    }
    std::string gbk() const
    {
        return text_ ? GbkFromWide(std::wstring_view(text_, SysStringLen(text_))) : std::string();
    }

private:
    BSTR text_ = nullptr;
};

VARIANT_BOOL BrowserBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

// A logical the browser answers through an out-parameter; nullopt when it does not answer.
template <class Getter>
std::optional<bool> Answer(Getter get)
{
    VARIANT_BOOL value = VARIANT_FALSE;
    if (get(&value) != S_OK) {
        return std::nullopt;
    }
    return value != VARIANT_FALSE;
}

}  // namespace

void EnsureOleOnThisThread()
{
    // Initialising again only counts up; give such an extra count straight back.
    if (OleInitialize(nullptr) == S_FALSE) {
        OleUninitialize();
    }
}

std::unique_ptr<EmbeddedBrowser> EmbeddedBrowser::Create(HWND host, BrowserEventTarget& target)
{
    std::unique_ptr<EmbeddedBrowser> browser(new EmbeddedBrowser());
    if (!browser->activate(host, target)) {
        return nullptr;
    }
    return browser;
}

bool EmbeddedBrowser::activate(HWND host, BrowserEventTarget& target)
{
    host_ = host;
    if (HRESULT result =
            CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, object_.putVoid());
        FAILED(result)) {
        TraceFailure("HTML view: CoCreateInstance(CLSID_WebBrowser)", result, nullptr);
        return false;
    }
    site_ = ComPtr<BrowserSite>::adopt(new BrowserSite(host));
    if (HRESULT result = object_->SetClientSite(site_.get()); FAILED(result)) {
        TraceFailure("HTML view: SetClientSite", result, nullptr);
        return false;
    }
    browser_ = object_.query<IWebBrowser2>(IID_IWebBrowser2);
    if (!browser_) {
        return false;
    }
    // A browser that offers no notifications still shows pages; the view then raises no events.
    advise(target);
    RECT client;
    GetClientRect(host, &client);
    if (HRESULT result = object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.get(), 0, host, &client);
        FAILED(result)) {
        TraceFailure("HTML view: DoVerb(OLEIVERB_INPLACEACTIVATE)", result, nullptr);
        return false;
    }
    inPlace_ = object_.query<IOleInPlaceObject>(IID_IOleInPlaceObject);
    if (inPlace_ && SUCCEEDED(inPlace_->GetWindow(&window_)) && window_) {
        SetWindowLongPtrW(window_, GWLP_ID, kBrowserControlId);
        ShowWindow(window_, SW_SHOWNA);
    }
    return true;
}

void EmbeddedBrowser::advise(BrowserEventTarget& target)
{
    auto container = browser_.query<IConnectionPointContainer>(IID_IConnectionPointContainer);
    if (!container || FAILED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, events_.put()))) {
        return;
    }
    sink_ = ComPtr<BrowserEventSink>::adopt(new BrowserEventSink(target));
    if (FAILED(events_->Advise(sink_.get(), &cookie_))) {
        cookie_ = 0;
        events_.reset();
        sink_.reset();
    }
}

void EmbeddedBrowser::unadvise()
{
    if (sink_) {
        sink_->detach();
    }
    if (events_ && cookie_) {
        events_->Unadvise(cookie_);
    }
    cookie_ = 0;
    events_.reset();
    sink_.reset();
}

// Also the clean-up of a creation that failed half-way: each step undoes only what was made.
EmbeddedBrowser::~EmbeddedBrowser()
{
    unadvise();
    if (inPlace_) {
        inPlace_->InPlaceDeactivate();
    }
    inPlace_.reset();
    browser_.reset();
    if (object_) {
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
    }
    object_.reset();
    site_.reset();
}

void EmbeddedBrowser::fillHost()
{
    if (!inPlace_) {
        return;
    }
    RECT client;
    GetClientRect(host_, &client);
    inPlace_->SetObjectRects(&client, &client);
}

void EmbeddedBrowser::takeFocus()
{
    if (window_) {
        SetFocus(window_);
    }
}

HRESULT EmbeddedBrowser::navigate(const std::string& address)
{
    OwnedBstr url(WideFromGbk(address));
    VARIANT flags;
    VariantInit(&flags);
    V_VT(&flags) = VT_I4;
    V_I4(&flags) = 0;
    OwnedBstr frameName(std::wstring{});
    VARIANT frame;
    VariantInit(&frame);
    V_VT(&frame) = VT_BSTR;
    V_BSTR(&frame) = frameName.get();
    VARIANT postData;
    VariantInit(&postData);
    VARIANT headers;
    VariantInit(&headers);
    // A handler of the navigation's first event may close the view and release the browser while
    // the request still runs: the request holds a reference of its own.
    ComPtr<IWebBrowser2> browser = browser_.query<IWebBrowser2>(IID_IWebBrowser2);
    HRESULT result = browser->Navigate(url.get(), &flags, &frame, &postData, &headers);
    if (FAILED(result)) {
        TraceFailure("HTML view: Navigate", result, address.c_str());
    }
    return result;
}

void EmbeddedBrowser::setOffline(bool offline) { browser_->put_Offline(BrowserBool(offline)); }

void EmbeddedBrowser::setSilent(bool silent) { browser_->put_Silent(BrowserBool(silent)); }

HRESULT EmbeddedBrowser::setTextSize(int32_t size)
{
    VARIANT argument;
    VariantInit(&argument);
    V_VT(&argument) = VT_I4;
    V_I4(&argument) = size;
    return browser_->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &argument, nullptr);
}

std::optional<bool> EmbeddedBrowser::offline()
{
    return Answer([this](VARIANT_BOOL* value) { return browser_->get_Offline(value); });
}

std::optional<bool> EmbeddedBrowser::silent()
{
    return Answer([this](VARIANT_BOOL* value) { return browser_->get_Silent(value); });
}

std::string EmbeddedBrowser::locationAddress()
{
    OwnedBstr address;
    browser_->get_LocationURL(address.put());
    return address.gbk();
}

std::string EmbeddedBrowser::locationName()
{
    OwnedBstr name;
    browser_->get_LocationName(name.put());
    return name.gbk();
}

bool EmbeddedBrowser::translateAccelerator(MSG& message)
{
    ComPtr<IOleInPlaceActiveObject> active = object_.query<IOleInPlaceActiveObject>(IID_IOleInPlaceActiveObject);
    return active && active->TranslateAccelerator(&message) == S_OK;
}

}  // namespace rt::units
