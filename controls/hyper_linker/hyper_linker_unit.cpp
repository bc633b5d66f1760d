#include "controls/hyper_linker/hyper_linker_unit.h"

#include <windowsx.h>

#include <algorithm>
#include <memory>

#include "runtime/window/own_class_unit.h"
#include "controls/common/unit_property_value.h"
#include "controls/hyper_linker/link_opener.h"
#include "controls/hyper_linker/link_target.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/runtime_service.h"
#include "runtime/text_codec.h"
#include "runtime/win32/owned_handles.h"

namespace rt::units {
namespace {

constexpr wchar_t kClassName[] = L"ZorviHyperLinker";
// The program's own hand cursor; the system's hand when the program carries none.
constexpr int kHandCursorResource = 1032;

HCURSOR LinkCursor()
{
    if (HCURSOR own = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kHandCursorResource))) {
        return own;
    }
    return LoadCursorW(nullptr, IDC_HAND);
}

bool RegisterLinkClass(WNDPROC procedure)
{
    static const bool registered = [procedure] {
        WNDCLASSW windowClass{};
        windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LinkCursor();
        windowClass.lpszClassName = kClassName;
        return RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

// The hover colour's stored default names the system highlight colour, which only the running
// system knows.
uint32_t ResolvedColour(uint32_t colour)
{
    return colour == kSystemHighlightColour ? GetSysColor(COLOR_HIGHLIGHT) : colour;
}

int32_t ClampedLinkType(int32_t type) { return std::clamp(type, kLinkTypeMail, kLinkTypeWeb); }

bool InsideClient(HWND window, LPARAM lParam)
{
    RECT client;
    GetClientRect(window, &client);
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return PtInRect(&client, at) != 0;
}

}  // namespace

HyperLinkerUnit::HyperLinkerUnit(const UnitCreateArgs& args, HyperLinkerOptions options)
    : LiveUnit(args.windowId, args.unitId), options_(std::move(options))
{
    options_.LinkType = ClampedLinkType(options_.LinkType);
    options_.HoverColour = ResolvedColour(options_.HoverColour);
    font_ = CreateUnitFont(options_.Font);
}

HyperLinkerUnit* HyperLinkerUnit::Create(const UnitCreateArgs& args, HyperLinkerOptions options)
{
    if (!RegisterLinkClass(OwnClassUnitProc<HyperLinkerUnit>)) {
        return nullptr;
    }
    auto unit = std::make_unique<HyperLinkerUnit>(args, std::move(options));
    HyperLinkerUnit* created = unit.get();
    const std::wstring caption = WideFromGbk(created->options_.Caption);
    HWND window = CreateWindowExW(0, kClassName, caption.c_str(), WS_CHILD | WS_CLIPSIBLINGS | args.style, args.left,
                                  args.top, args.width, args.height, args.parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.controlId)),
                                  GetModuleHandleW(nullptr), &unit);
    if (!window) {
        return nullptr;
    }
    ApplyBorder(window, created->options_.Border);
    return created;
}

bool HyperLinkerUnit::setProperty(int number, const PropertyValue& value)
{
    switch (number) {
    case kLinkCaption:
        options_.Caption = value.text;
        showCaption();
        break;
    case kLinkType:
        options_.LinkType = ClampedLinkType(value.number);
        break;
    case kLinkMailAddress:
        options_.MailAddress = value.text;
        break;
    case kLinkWebAddress:
        options_.WebAddress = value.text;
        break;
    case kLinkNormalColour:
        options_.NormalColour = static_cast<uint32_t>(value.number);
        break;
    case kLinkVisitedColour:
        options_.VisitedColour = static_cast<uint32_t>(value.number);
        break;
    case kLinkHoverColour:
        options_.HoverColour = ResolvedColour(static_cast<uint32_t>(value.number));
        break;
    case kLinkBackColour:
        options_.BackColour = static_cast<uint32_t>(value.number);
        break;
    case kLinkBorder:
        options_.Border = value.number;
        ApplyBorder(handle_, options_.Border);
        break;
    case kLinkFont:
        options_.Font = FontOf(value);
        font_ = CreateUnitFont(options_.Font);
        break;
    default:
        return false;
    }
    InvalidateRect(handle_, nullptr, TRUE);
    return false;
}

PropertyValue HyperLinkerUnit::getProperty(int number)
{
    PropertyValue value;
    switch (number) {
    case kLinkCaption:
        value.text = options_.Caption;
        break;
    case kLinkType:
        value.number = options_.LinkType;
        break;
    case kLinkMailAddress:
        value.text = options_.MailAddress;
        break;
    case kLinkWebAddress:
        value.text = options_.WebAddress;
        break;
    case kLinkNormalColour:
        value.number = static_cast<int32_t>(options_.NormalColour);
        break;
    case kLinkVisitedColour:
        value.number = static_cast<int32_t>(options_.VisitedColour);
        break;
    case kLinkHoverColour:
        value.number = static_cast<int32_t>(options_.HoverColour);
        break;
    case kLinkBackColour:
        value.number = static_cast<int32_t>(options_.BackColour);
        break;
    case kLinkBorder:
        value.number = options_.Border;
        break;
    case kLinkFont:
        value.bytes = FontValue(options_.Font).bytes;
        break;
    default:
        break;
    }
    return value;
}

std::vector<uint8_t> HyperLinkerUnit::serialise() { return WriteOptions(options_); }

bool HyperLinkerUnit::open(int show)
{
    if (!OpenLinkTarget(LinkTarget(options_), show)) {
        return false;
    }
    openedAt_ = GetMessageTime();
    if (!visited_) {
        visited_ = true;
        InvalidateRect(handle_, nullptr, TRUE);
    }
    return true;
}

void HyperLinkerUnit::showCaption() { SetWindowTextW(handle_, WideFromGbk(options_.Caption).c_str()); }

void HyperLinkerUnit::draw(HDC dc)
{
    RECT client;
    GetClientRect(handle_, &client);
    UniqueBrush back(CreateSolidBrush(EffectiveBackColour(options_.BackColour)));
    FillRect(dc, &client, back.get());
    const std::wstring text = WideFromGbk(LinkText(options_));
    if (text.empty()) {
        return;
    }
    const uint32_t colour = hot_ ? options_.HoverColour : visited_ ? options_.VisitedColour : options_.NormalColour;
    ScopedSelection font(dc, FontOrDefault(font_));
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

void HyperLinkerUnit::onPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle_, &paint);
    draw(dc);
    EndPaint(handle_, &paint);
}

void HyperLinkerUnit::setHot(bool hot)
{
    if (hot_ == hot) {
        return;
    }
    hot_ = hot;
    InvalidateRect(handle_, nullptr, TRUE);
}

// The first move over the link makes it hot and captures the mouse, so that the move out of it is
// seen too; leaving the client area releases the capture and cools it.
void HyperLinkerUnit::onMouseMove(LPARAM lParam)
{
    if (!hot_) {
        setHot(true);
        SetCapture(handle_);
    } else if (!InsideClient(handle_, lParam)) {
        setHot(false);
        pressed_ = false;
        ReleaseCapture();
    }
}

void HyperLinkerUnit::onCaptureLost()
{
    pressed_ = false;
    setHot(false);
}

// A click is a press and a release over the link. The press's own left-button-down event runs
// before it reaches the link: when its handler opened the link, the release does not open it twice.
void HyperLinkerUnit::onLeftUp(LPARAM lParam)
{
    const bool click = pressed_ && InsideClient(handle_, lParam);
    pressed_ = false;
    const bool openedByThePress = openedAt_ == pressedAt_;
    openedAt_.reset();
    if (click && !openedByThePress) {
        open(SW_SHOWNORMAL);
    }
}

LRESULT HyperLinkerUnit::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        onPaint();
        return 0;
    case WM_PRINTCLIENT:
        draw(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;  // painting fills the whole client area
    case WM_MOUSEMOVE:
        onMouseMove(lParam);
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != handle_) {
            onCaptureLost();
        }
        return 0;
    case WM_LBUTTONDOWN:
        pressed_ = true;
        pressedAt_ = GetMessageTime();
        return 0;
    case WM_LBUTTONUP:
        onLeftUp(lParam);
        return 0;
    default:
        return DefWindowProcW(handle_, message, wParam, lParam);
    }
}

}  // namespace rt::units
