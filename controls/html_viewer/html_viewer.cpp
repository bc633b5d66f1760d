// The HTML view's kind description, its create routine and its host window: the child window that
// the browser control fills, passing on its size and focus to it.
#include "controls/html_viewer/html_viewer.h"

#include <iterator>
#include <memory>
#include <optional>

#include "runtime/window/own_class_unit.h"
#include "controls/html_viewer/html_viewer_unit.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/runtime_service.h"
#include "runtime/templates/unit_kinds.h"

namespace rt::units {
namespace {

constexpr wchar_t kHostClassName[] = L"ZorviHtmlViewer";

bool RegisterHostClass()
{
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
        windowClass.lpfnWndProc = OwnClassUnitProc<HtmlViewerUnit>;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = kHostClassName;
        return RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

LiveUnit* CreateHtmlViewer(const UnitCreateArgs& args)
{
    std::optional<HtmlViewerOptions> options = ReadOptions<HtmlViewerOptions>(args.propertyData, args.propertyLength);
    if (!options || !RegisterHostClass()) {
        return nullptr;
    }
    EnsureOleOnThisThread();
    auto unit = std::make_unique<HtmlViewerUnit>(args, *options);
    HtmlViewerUnit* created = unit.get();
    HWND host = CreateWindowExW(
        0, kHostClassName, L"", args.style | WS_CHILD | WS_CLIPSIBLINGS, args.left, args.top, args.width, args.height,
        args.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.controlId)), GetModuleHandleW(nullptr), &unit);
    if (!host) {
        return nullptr;
    }
    if (!created->startBrowser()) {
        DestroyWindow(host);
        return nullptr;
    }
    return created;
}

constexpr PropertyDescription kProperties[] = {
    {"TextSize", PropertyType::kInt}, {"Offline", PropertyType::kLogical}, {"Silent", PropertyType::kLogical},
    {"Address", PropertyType::kText}, {"StatusText", PropertyType::kText}, {"PageTitle", PropertyType::kText},
};

const UnitKindDescription kDescription{
    kHtmlViewerKind,  "超文本浏览框",
    "HtmlViewer",     kind_flags::kRaisesEvents | kind_flags::kPreFilter,
    kProperties,      static_cast<uint32_t>(std::size(kProperties)),
    CreateHtmlViewer, nullptr,
};

}  // namespace

LRESULT HtmlViewerUnit::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        onHostResized();
        return 0;
    case WM_SETFOCUS:
        onHostFocused();
        return 0;
    case WM_DESTROY:
        onHostDestroyed();
        return 0;
    default:
        return DefWindowProcW(handle_, message, wParam, lParam);
    }
}

const UnitKindDescription& HtmlViewerKind() { return kDescription; }

}  // namespace rt::units
