#include "controls/html_viewer/browser_site.h"

namespace rt::units {

HRESULT STDMETHODCALLTYPE BrowserFrame::QueryInterface(REFIID iid, void** object)
{
    if (!object) {
        return E_POINTER;
    }
    if (iid == IID_IUnknown || iid == IID_IOleWindow || iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
        *object = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE BrowserFrame::AddRef() { return ++references_; }

ULONG STDMETHODCALLTYPE BrowserFrame::Release()
{
    ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

// The frame is the window that holds the view: its top-level ancestor.
HRESULT STDMETHODCALLTYPE BrowserFrame::GetWindow(HWND* window)
{
    if (!window) {
        return E_POINTER;
    }
    *window = GetAncestor(host_, GA_ROOT);
    return *window ? S_OK : E_FAIL;
}

BrowserSite::BrowserSite(HWND host) : host_(host), frame_(ComPtr<BrowserFrame>::adopt(new BrowserFrame(host))) {}

HRESULT STDMETHODCALLTYPE BrowserSite::QueryInterface(REFIID iid, void** object)
{
    if (!object) {
        return E_POINTER;
    }
    if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
        *object = static_cast<IOleClientSite*>(this);
    } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
        *object = static_cast<IOleInPlaceSite*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG STDMETHODCALLTYPE BrowserSite::AddRef() { return ++references_; }

ULONG STDMETHODCALLTYPE BrowserSite::Release()
{
    ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT STDMETHODCALLTYPE BrowserSite::GetMoniker(DWORD, DWORD, IMoniker** moniker)
{
    if (moniker) {
        *moniker = nullptr;
    }
    return E_NOTIMPL;
}

// The view is not a document container: the browser is the only object it holds.
HRESULT STDMETHODCALLTYPE BrowserSite::GetContainer(IOleContainer** container)
{
    if (container) {
        *container = nullptr;
    }
    return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE BrowserSite::GetWindow(HWND* window)
{
    if (!window) {
        return E_POINTER;
    }
    *window = host_;
    return S_OK;
}

// The browser fills the host's client area, unclipped.
HRESULT STDMETHODCALLTYPE BrowserSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                                        LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info)
{
    if (!frame || !document || !position || !clip || !info) {
        return E_POINTER;
    }
    frame_->AddRef();
    *frame = frame_.get();
    *document = nullptr;
    GetClientRect(host_, position);
    *clip = *position;
    info->cb = sizeof(OLEINPLACEFRAMEINFO);
    info->fMDIApp = FALSE;
    info->hwndFrame = GetAncestor(host_, GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

}  // namespace rt::units
