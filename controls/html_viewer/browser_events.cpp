#include "controls/html_viewer/browser_events.h"

#include <exdisp.h>
#include <exdispid.h>

#include <algorithm>
#include <limits>
#include <string_view>

#include "runtime/text_codec.h"

namespace rt::units {
namespace {

// Values of a command-state notification's command.
constexpr long kCommandForward = 1;  // CSC_NAVIGATEFORWARD
constexpr long kCommandBack = 2;     // CSC_NAVIGATEBACK

// Argument n (0 = first) of a notification, looking through a by-reference variant; null when
// the notification brought fewer.
const VARIANT* Argument(const DISPPARAMS& params, UINT n)
{
    if (!params.rgvarg || n >= params.cArgs) {
        return nullptr;
    }
    const VARIANT* argument = &params.rgvarg[params.cArgs - 1 - n];
    if (V_VT(argument) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(argument)) {
        argument = V_VARIANTREF(argument);
    }
    return argument;
}

std::string TextOf(const VARIANT* argument)
{
    BSTR text = nullptr;
    if (argument && V_VT(argument) == VT_BSTR) {
        text = V_BSTR(argument);
    } else if (argument && V_VT(argument) == (VT_BYREF | VT_BSTR) && V_BSTRREF(argument)) {
        text = *V_BSTRREF(argument);
    }
    return text ? GbkFromWide(std::wstring_view(text, SysStringLen(text))) : std::string();
}

int32_t NumberOf(const VARIANT* argument)
{
    if (!argument) {
        return 0;
    }
    VARIANT number;
    VariantInit(&number);
    if (FAILED(VariantChangeType(&number, const_cast<VARIANT*>(argument), 0, VT_I4))) {
        return 0;
    }
    return V_I4(&number);
}

bool LogicalOf(const VARIANT* argument) { return NumberOf(argument) != 0; }

// The slot of a notification's "cancel" argument, or null when the browser passed none.
VARIANT_BOOL* CancelSlotOf(const VARIANT* argument)
{
    return argument && V_VT(argument) == (VT_BYREF | VT_BOOL) ? V_BOOLREF(argument) : nullptr;
}

void Cancel(VARIANT_BOOL* slot)
{
    if (slot) {
        *slot = VARIANT_TRUE;
    }
}

}  // namespace

int32_t ProgressPercent(int32_t progress, int32_t maximum)
{
    if (maximum == 0) {
        return 100;
    }
    int64_t percent = static_cast<int64_t>(progress) * 100 / maximum;
    return static_cast<int32_t>(
        std::clamp<int64_t>(percent, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

HRESULT STDMETHODCALLTYPE BrowserEventSink::QueryInterface(REFIID iid, void** object)
{
    if (!object) {
        return E_POINTER;
    }
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE BrowserEventSink::AddRef() { return ++references_; }

ULONG STDMETHODCALLTYPE BrowserEventSink::Release()
{
    ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT STDMETHODCALLTYPE BrowserEventSink::GetTypeInfoCount(UINT* count)
{
    if (!count) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE BrowserEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info) {
        *info = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE BrowserEventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                                                   EXCEPINFO*, UINT*)
{
    if (result) {
        VariantInit(result);
    }
    if (!params) {
        return S_OK;
    }
    // The view may go with its window inside a handler: the sink stays alive until it returns.
    AddRef();
    dispatch(id, *params);
    Release();
    return S_OK;
}

void BrowserEventSink::dispatch(DISPID id, const DISPPARAMS& params)
{
    if (!target_) {
        return;
    }
    switch (id) {
    case DISPID_BEFORENAVIGATE2:
        // (frame, address, flags, target frame name, post data, headers, cancel)
        if (!target_->onBeforeNavigate(TextOf(Argument(params, 1)))) {
            Cancel(CancelSlotOf(Argument(params, 6)));
        }
        break;
    case DISPID_NAVIGATECOMPLETE2:
        target_->onNavigateComplete(TextOf(Argument(params, 1)));
        break;
    case DISPID_DOWNLOADBEGIN:
        target_->onDownloadBegin();
        break;
    case DISPID_PROGRESSCHANGE:
        target_->onProgress(ProgressPercent(NumberOf(Argument(params, 0)), NumberOf(Argument(params, 1))));
        break;
    case DISPID_DOWNLOADCOMPLETE:
        target_->onDownloadComplete();
        break;
    case DISPID_DOCUMENTCOMPLETE:
        target_->onDocumentComplete(TextOf(Argument(params, 1)));
        break;
    case DISPID_STATUSTEXTCHANGE:
        target_->onStatusText(TextOf(Argument(params, 0)));
        break;
    case DISPID_TITLECHANGE:
        target_->onTitleChange(TextOf(Argument(params, 0)));
        break;
    case DISPID_COMMANDSTATECHANGE: {
        long command = NumberOf(Argument(params, 0));
        if (command == kCommandForward || command == kCommandBack) {
            target_->onCommandState(command == kCommandForward ? 0 : 1, LogicalOf(Argument(params, 1)));
        }
        break;
    }
    case DISPID_NEWWINDOW2:
        // (new window's dispatch out, cancel)
        if (!target_->onNewWindow()) {
            Cancel(CancelSlotOf(Argument(params, 1)));
        }
        break;
    default:
        break;
    }
}

}  // namespace rt::units
