// The browser's notifications (its DWebBrowserEvents2 dispatch interface) turned into calls on the
// view. The sink is a plain IDispatch that the browser calls by dispatch id; it unpacks each
// notification's arguments and hands the view the texts in GBK and the numbers it needs.
#pragma once

#include <oaidl.h>

#include <cstdint>
#include <string>

#include "controls/html_viewer/host_objects.h"

namespace rt::units {

// What the view does with each notification. Answers of false cancel what the browser asked.
class BrowserEventTarget {
public:
    virtual bool onBeforeNavigate(const std::string& address) = 0;
    virtual void onNavigateComplete(const std::string& address) = 0;
    virtual void onDownloadBegin() = 0;
    virtual void onProgress(int32_t percent) = 0;
    virtual void onDownloadComplete() = 0;
    virtual void onDocumentComplete(const std::string& address) = 0;
    virtual void onStatusText(const std::string& text) = 0;
    virtual void onTitleChange(const std::string& title) = 0;
    // which: 0 for the forward command, 1 for the back command.
    virtual void onCommandState(int32_t which, bool enabled) = 0;
    virtual bool onNewWindow() = 0;

protected:
    ~BrowserEventTarget() = default;
};

// Progress as a percentage of the maximum: progress x 100 / maximum, 100 when the maximum is 0.
// Computed without overflow; a result beyond the 32-bit range is clamped to it.
int32_t ProgressPercent(int32_t progress, int32_t maximum);

class BrowserEventSink final : public IDispatch {
public:
    explicit BrowserEventSink(BrowserEventTarget& target) : target_(&target) {}

    // The view is going: later notifications are accepted and ignored.
    void detach() { target_ = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                     UINT*) override;

private:
    ~BrowserEventSink() = default;
    void dispatch(DISPID id, const DISPPARAMS& params);

    HostObjectCount counted_;
    ULONG references_ = 1;
    BrowserEventTarget* target_;
};

}  // namespace rt::units
