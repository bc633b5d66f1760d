#include "controls/label/label_unit.h"

#include <memory>
#include <optional>

#include "runtime/window/own_class_unit.h"
#include "controls/label/label_feedback.h"
#include "controls/label/label_painting.h"
#include "controls/label/label_properties.h"
#include "runtime/unit_options/option_fields.h"
#include "pictures/decoding/picture_render.h"
#include "runtime/runtime_service.h"
#include "runtime/text_codec.h"
#include "runtime/window/events.h"

namespace rt::units {
namespace {

constexpr wchar_t kLabelClassName[] = L"ZorviLabel";
constexpr int32_t kFeedbackEvent = 0;

UniqueBitmap DecodeBackPicture(const std::vector<uint8_t>& bytes)
{
    if (bytes.empty()) {
        return nullptr;
    }
    UniqueBitmap bitmap = pictures::PictureToBitmap(bytes.data(), static_cast<std::ptrdiff_t>(bytes.size()));
    return UniqueBitmap(bitmap.release());
}

// Border 6 is the painted gradient frame: the window itself then has no border style.
int32_t WindowBorder(int32_t border) { return border == kLabelGradientFrameBorder ? 0 : border; }

std::wstring WindowText(HWND window)
{
    int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

bool RegisterLabelClass()
{
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
        windowClass.lpfnWndProc = OwnClassUnitProc<LabelUnit>;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.lpszClassName = kLabelClassName;
        return RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

}  // namespace

LabelUnit::LabelUnit(const UnitCreateArgs& args, LabelOptions options)
    : LiveUnit(args.windowId, args.unitId), options_(std::move(options))
{
    ClampLabelOptions(options_);
    font_ = CreateUnitFont(options_.Font);
    backPicture_ = DecodeBackPicture(options_.BackPicture);
}

LabelUnit::~LabelUnit() { LeaveFeedbackWindow(windowId(), unitId(), handle_); }

void LabelUnit::finishCreation()
{
    ApplyBorder(handle_, WindowBorder(options_.Border));
    EnterFeedbackWindow(windowId(), unitId(), handle_);
}

bool LabelUnit::setProperty(int number, const PropertyValue& value)
{
    SetLabelProperty(options_, number, value);
    applyProperty(number);
    return false;
}

void LabelUnit::applyProperty(int number)
{
    switch (number) {
    case kLabelCaption:
        SetWindowTextW(handle_, WideFromGbk(options_.Caption).c_str());
        break;
    case kLabelBorder:
        ApplyBorder(handle_, WindowBorder(options_.Border));
        break;
    case kLabelFont:
        font_ = CreateUnitFont(options_.Font);
        break;
    case kLabelBackPicture:
        backPicture_ = DecodeBackPicture(options_.BackPicture);
        break;
    default:
        break;
    }
    InvalidateRect(handle_, nullptr, TRUE);
}

PropertyValue LabelUnit::getProperty(int number) { return GetLabelProperty(options_, number); }

std::vector<uint8_t> LabelUnit::serialise() { return WriteOptions(options_); }

void LabelUnit::draw(HDC dc)
{
    RECT client;
    GetClientRect(handle_, &client);
    std::wstring text = WindowText(handle_);
    PaintLabel(dc, client, LabelLook{options_, FontOrDefault(font_), backPicture_.get(), text});
}

void LabelUnit::onPaint()
{
    PAINTSTRUCT paint;
    if (HDC dc = BeginPaint(handle_, &paint)) {
        draw(dc);
        EndPaint(handle_, &paint);
    }
}

LRESULT LabelUnit::onFeedback(WPARAM a, LPARAM b)
{
    EventAnswer answer =
        RaiseUnitEvent(windowId(), unitId(), kFeedbackEvent, {static_cast<int32_t>(a), static_cast<int32_t>(b)});
    return answer.returned ? answer.value : 0;
}

LRESULT LabelUnit::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        onPaint();
        return 0;
    case WM_PRINTCLIENT:
        draw(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        // The paint covers the whole client area.
        return 1;
    case WM_SETTEXT: {
        LRESULT done = DefWindowProcW(handle_, message, wParam, lParam);
        InvalidateRect(handle_, nullptr, TRUE);
        return done;
    }
    case kFeedbackMessage:
        return onFeedback(wParam, lParam);
    default:
        return DefWindowProcW(handle_, message, wParam, lParam);
    }
}

LiveUnit* CreateLabelUnit(const UnitCreateArgs& args)
{
    std::optional<LabelOptions> options = ReadOptions<LabelOptions>(args.propertyData, args.propertyLength);
    if (!options || !RegisterLabelClass()) {
        return nullptr;
    }
    std::wstring caption = WideFromGbk(options->Caption);
    auto unit = std::make_unique<LabelUnit>(args, std::move(*options));
    LabelUnit* created = unit.get();
    HWND window = CreateWindowExW(0, kLabelClassName, caption.c_str(), WS_CHILD | WS_CLIPSIBLINGS | args.style,
                                  args.left, args.top, args.width, args.height, args.parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.controlId)),
                                  GetModuleHandleW(nullptr), &unit);
    if (!window) {
        return nullptr;
    }
    created->finishCreation();
    return created;
}

}  // namespace rt::units
