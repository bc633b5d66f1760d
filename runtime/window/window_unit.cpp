#include "runtime/window/window_unit.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "runtime/unit_options/option_fields.h"
#include "runtime/message_loop.h"
#include "runtime/program_templates.h"
#include "runtime/runtime_app.h"
#include "runtime/runtime_window.h"
#include "runtime/text_codec.h"
#include "runtime/trace.h"
#include "runtime/window/window_class.h"

namespace rt {
namespace {

constexpr uint32_t kWindowKindFlags = 0x800000d0;
constexpr DWORD kFrameStyleBits =
    WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_BORDER;
constexpr DWORD kFrameExStyleBits = WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE;

constexpr PropertyDescription kWindowProperties[kWindowPropertyCount] = {
    {"Title", PropertyType::kText},
    {"Border", PropertyType::kInt},
    {"BackColour", PropertyType::kInt},
    {"BackPicture", PropertyType::kByteSet},
    {"BackPictureMode", PropertyType::kInt},
    {"BackMusic", PropertyType::kByteSet},
    {"PlayCount", PropertyType::kInt},
    {"ControlBox", PropertyType::kLogical},
    {"MaxButton", PropertyType::kLogical},
    {"MinButton", PropertyType::kLogical},
    {"StartPosition", PropertyType::kInt},
    {"Movable", PropertyType::kLogical},
    {"WindowIcon", PropertyType::kByteSet},
    {"EnterMovesFocus", PropertyType::kLogical},
    {"EscCloses", PropertyType::kLogical},
    {"F1Help", PropertyType::kLogical},
    {"HelpFile", PropertyType::kText},
    {"HelpContext", PropertyType::kInt},
    {"ShowInTaskbar", PropertyType::kLogical},
    {"DragAnywhere", PropertyType::kLogical},
    {"Shape", PropertyType::kInt},
    {"AlwaysOnTop", PropertyType::kLogical},
    {"KeepTitleActive", PropertyType::kLogical},
    {"ClassName", PropertyType::kText},
};

HICON WindowIconFromData(const uint8_t* data, size_t length, bool big)
{
    std::optional<WindowOptions> options = ReadOptions<WindowOptions>(data, length);
    if (!options || options->WindowIcon.empty()) {
        return nullptr;
    }
    int width = GetSystemMetrics(big ? SM_CXICON : SM_CXSMICON);
    int height = GetSystemMetrics(big ? SM_CYICON : SM_CYSMICON);
    return IconFromIcoBytes(options->WindowIcon.data(), options->WindowIcon.size(), width, height).release();
}

const UnitKindDescription kWindowKind{
    0x00010001,           "窗口",           "Window",           kWindowKindFlags, kWindowProperties,
    kWindowPropertyCount, CreateWindowUnit, WindowIconFromData,
};

int32_t Clamped(int32_t value, int32_t low, int32_t high) { return std::clamp(value, low, high); }

POINT CentredOnScreen(int width, int height)
{
    return {(GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2};
}

}  // namespace

WindowUnit::WindowUnit(const UnitCreateArgs& args, WindowOptions options)
    : LiveUnit(args.windowId, args.unitId), options_(std::move(options)), modal_(args.modal)
{
}

const UnitKindDescription& WindowUnit::Kind() { return kWindowKind; }

bool WindowUnit::setProperty(int number, const PropertyValue& value)
{
    switch (number) {
    case kWindowTitle:
        options_.Title = value.text;
        SetWindowTextW(handle_, WideFromGbk(value.text).c_str());
        applyFrameStyles();
        break;
    case kWindowBorder:
        options_.Border = Clamped(value.number, 0, 6);
        applyFrameStyles();
        break;
    case kWindowControlBox:
    case kWindowMaxButton:
    case kWindowMinButton: {
        bool on = value.number != 0;
        (number == kWindowControlBox  ? options_.ControlBox
         : number == kWindowMaxButton ? options_.MaxButton
                                      : options_.MinButton) = on;
        applyFrameStyles();
        break;
    }
    case kWindowBackColour:
        options_.BackColour = static_cast<uint32_t>(value.number);
        InvalidateRect(handle_, nullptr, TRUE);
        break;
    case kWindowBackPicture:
        options_.BackPicture = value.bytes;
        backPicture_ = BackPictureBitmap(options_.BackPicture);
        InvalidateRect(handle_, nullptr, TRUE);
        break;
    case kWindowBackPictureMode:
        options_.BackPictureMode = Clamped(value.number, 0, 3);
        InvalidateRect(handle_, nullptr, TRUE);
        break;
    case kWindowBackMusic:
        options_.BackMusic = value.bytes;
        break;
    case kWindowPlayCount:
        options_.PlayCount = Clamped(value.number, 0, 2);
        break;
    case kWindowStartPosition:
        options_.StartPosition = Clamped(value.number, 0, 3);
        applyStartPosition();
        break;
    case kWindowMovable:
        options_.Movable = value.number != 0;
        applyMovable();
        break;
    case kWindowIcon:
        options_.WindowIcon = value.bytes;
        applyIcons();
        break;
    case kWindowShape:
        options_.Shape = Clamped(value.number, 0, 29);
        applyShape();
        break;
    case kWindowAlwaysOnTop:
        options_.AlwaysOnTop = value.number != 0;
        applyAlwaysOnTop();
        break;
    case kWindowEnterMovesFocus:
        options_.EnterMovesFocus = value.number != 0;
        break;
    case kWindowEscCloses:
        options_.EscCloses = value.number != 0;
        break;
    case kWindowF1Help:
        options_.F1Help = value.number != 0;
        break;
    case kWindowHelpFile:
        options_.HelpFile = value.text;
        break;
    case kWindowHelpContext:
        options_.HelpContext = value.number;
        break;
    case kWindowShowInTaskbar:
        options_.ShowInTaskbar = value.number != 0;
        break;
    case kWindowDragAnywhere:
        options_.DragAnywhere = value.number != 0;
        break;
    case kWindowKeepTitleActive:
        options_.KeepTitleActive = value.number != 0;
        break;
    case kWindowClassName:
        options_.ClassName = value.text;
        break;
    default:
        break;
    }
    return false;
}

PropertyValue WindowUnit::getProperty(int number)
{
    const WindowOptions& o = options_;
    PropertyValue value;
    switch (number) {
    case kWindowTitle: {
        int length = GetWindowTextLengthW(handle_);
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(handle_, text.data(), length + 1)));
        value.text = GbkFromWide(text);
        break;
    }
    case kWindowBorder:
        value.number = o.Border;
        break;
    case kWindowBackColour:
        value.number = static_cast<int32_t>(o.BackColour);
        break;
    case kWindowBackPicture:
        value.bytes = o.BackPicture;
        break;
    case kWindowBackPictureMode:
        value.number = o.BackPictureMode;
        break;
    case kWindowBackMusic:
        value.bytes = o.BackMusic;
        break;
    case kWindowPlayCount:
        value.number = o.PlayCount;
        break;
    case kWindowControlBox:
        value.number = o.ControlBox;
        break;
    case kWindowMaxButton:
        value.number = o.MaxButton;
        break;
    case kWindowMinButton:
        value.number = o.MinButton;
        break;
    case kWindowStartPosition:
        value.number = IsIconic(handle_) ? 2 : IsZoomed(handle_) ? 3 : 0;
        break;
    case kWindowMovable:
        value.number = o.Movable;
        break;
    case kWindowIcon:
        value.bytes = o.WindowIcon;
        break;
    case kWindowEnterMovesFocus:
        value.number = o.EnterMovesFocus;
        break;
    case kWindowEscCloses:
        value.number = o.EscCloses;
        break;
    case kWindowF1Help:
        value.number = o.F1Help;
        break;
    case kWindowHelpFile:
        value.text = o.HelpFile;
        break;
    case kWindowHelpContext:
        value.number = o.HelpContext;
        break;
    case kWindowShowInTaskbar:
        value.number = o.ShowInTaskbar;
        break;
    case kWindowDragAnywhere:
        value.number = o.DragAnywhere;
        break;
    case kWindowShape:
        value.number = o.Shape;
        break;
    case kWindowAlwaysOnTop:
        value.number = o.AlwaysOnTop;
        break;
    case kWindowKeepTitleActive:
        value.number = o.KeepTitleActive;
        break;
    case kWindowClassName:
        value.text = o.ClassName;
        break;
    default:
        break;
    }
    return value;
}

std::vector<uint8_t> WindowUnit::serialise()
{
    WindowOptions current = options_;
    current.Title = getProperty(kWindowTitle).text;
    return WriteOptions(current);
}

void WindowUnit::applyFrameStyles()
{
    WindowStyles styles = FrameStyles(options_);
    LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
    LONG_PTR exStyle = GetWindowLongPtrW(handle_, GWL_EXSTYLE);
    SetWindowLongPtrW(handle_, GWL_STYLE, (style & ~static_cast<LONG_PTR>(kFrameStyleBits)) | styles.style);
    SetWindowLongPtrW(handle_, GWL_EXSTYLE, (exStyle & ~static_cast<LONG_PTR>(kFrameExStyleBits)) | styles.exStyle);
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    applyMovable();
}

void WindowUnit::applyIcons()
{
    const WindowIconPair previous = {std::move(icons_.big), std::move(icons_.small)};
    HICON big = ApplicationIcon().big;
    HICON small = ApplicationIcon().small;
    if (!options_.WindowIcon.empty()) {
        const std::vector<uint8_t>& bytes = options_.WindowIcon;
        icons_.big =
            IconFromIcoBytes(bytes.data(), bytes.size(), GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
        icons_.small =
            IconFromIcoBytes(bytes.data(), bytes.size(), GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
        if (icons_.big) {
            big = icons_.big.get();
        }
        if (icons_.small) {
            small = icons_.small.get();
        }
    }
    SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

void WindowUnit::applyShape()
{
    RECT rect;
    GetWindowRect(handle_, &rect);
    UniqueRegion region = CreateShapeRegion(options_.Shape, rect.right - rect.left, rect.bottom - rect.top);
    // The window owns the region once it is set.
    SetWindowRgn(handle_, region.release(), TRUE);
}

void WindowUnit::applyMovable()
{
    if (options_.Movable) {
        GetSystemMenu(handle_, TRUE);
        return;
    }
    if (HMENU menu = GetSystemMenu(handle_, FALSE)) {
        DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
    }
}

void WindowUnit::applyAlwaysOnTop()
{
    SetWindowPos(handle_, options_.AlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (options_.AlwaysOnTop) {
        return;
    }
    // Windows without a taskbar button that stay on top could fall behind this one: re-assert them.
    TemplateCollection& templates = ProgramTemplates();
    for (size_t i = 0; i < templates.windowCount(); ++i) {
        WindowUnit* other = LiveWindowOf(*templates.windowAt(i));
        if (other && other != this && other->options_.AlwaysOnTop && !other->options_.ShowInTaskbar) {
            SetWindowPos(other->handle_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
}

void WindowUnit::applyStartPosition()
{
    if (IsWindowVisible(handle_)) {
        showAtStartPosition(Centring::kCentre);
    }
}

void WindowUnit::showAtStartPosition(Centring centring)
{
    switch (options_.StartPosition) {
    case 1: {
        if (IsIconic(handle_) || IsZoomed(handle_)) {
            ShowWindow(handle_, SW_RESTORE);
        }
        if (centring == Centring::kKeepPlace) {
            ShowWindow(handle_, SW_SHOW);
            break;
        }
        RECT rect;
        GetWindowRect(handle_, &rect);
        POINT at = CentredOnScreen(rect.right - rect.left, rect.bottom - rect.top);
        SetWindowPos(handle_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(handle_, SW_SHOW);
        break;
    }
    case 2:
        ShowWindow(handle_, SW_SHOWMINIMIZED);
        break;
    case 3:
        // Only a window with a sizing frame can be maximised.
        ShowWindow(handle_, (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_THICKFRAME) ? SW_SHOWMAXIMIZED : SW_SHOW);
        break;
    default:
        ShowWindow(handle_, IsIconic(handle_) || IsZoomed(handle_) ? SW_RESTORE : SW_SHOW);
        break;
    }
}

void WindowUnit::runFirstShow()
{
    if (!firstShowPending_) {
        return;
    }
    firstShowPending_ = false;
    if (modal_) {
        RunModalLoop(handle_);
    }
}

void WindowUnit::setVisible(bool visible)
{
    if (!visible) {
        ShowWindow(handle_, SW_HIDE);
        return;
    }
    if (firstShowPending_ && loadComplete_) {
        showAtStartPosition(Centring::kKeepPlace);
        runFirstShow();
        return;
    }
    ShowWindow(handle_, SW_SHOW);
}

namespace {

struct DisabledWindowCollector {
    HWND self;
    std::vector<std::pair<HWND, bool>>* list;
};

BOOL CALLBACK DisableOtherWindow(HWND window, LPARAM data)
{
    auto* collector = reinterpret_cast<DisabledWindowCollector*>(data);
    if (window != collector->self && window != App().runtimeWindow && IsWindowVisible(window)) {
        collector->list->emplace_back(window, IsWindowEnabled(window) != FALSE);
        EnableWindow(window, FALSE);
    }
    return TRUE;
}

}  // namespace

void WindowUnit::disableOtherWindows()
{
    DisabledWindowCollector collector{handle_, &disabledWindows_};
    EnumThreadWindows(GetCurrentThreadId(), DisableOtherWindow, reinterpret_cast<LPARAM>(&collector));
}

void WindowUnit::reenableDisabledWindows()
{
    for (const auto& [window, wasEnabled] : disabledWindows_) {
        if (IsWindow(window)) {
            EnableWindow(window, wasEnabled);
        }
    }
    disabledWindows_.clear();
}

WindowUnit* LiveWindowOf(WindowTemplate& window)
{
    auto* unit = static_cast<WindowUnit*>(window.windowObject());
    return unit && IsWindow(unit->handle()) ? unit : nullptr;
}

LiveUnit* CreateWindowUnit(const UnitCreateArgs& args)
{
    std::optional<WindowOptions> options = ReadOptions<WindowOptions>(args.propertyData, args.propertyLength);
    if (!options) {
        return nullptr;
    }
    std::wstring className = EnsureWindowClass(options->ClassName);
    if (className.empty()) {
        return nullptr;
    }
    WindowStyles styles = FrameStyles(*options);
    styles.style |= args.style & WS_DISABLED;
    HWND owner = args.modal ? nullptr : args.owner;
    if (!owner && (args.modal || !options->ShowInTaskbar)) {
        owner = App().runtimeWindow;
    }
    POINT at{args.left, args.top};
    if (options->StartPosition == 1) {
        at = CentredOnScreen(args.width, args.height);
    }
    std::wstring title = WideFromGbk(options->Title);
    auto unit = std::make_unique<WindowUnit>(args, std::move(*options));
    WindowUnit* created = unit.get();
    // The window procedure takes the object out of unit at WM_NCCREATE; it stays here, and is
    // freed, only when the window never came to be.
    HWND window = CreateWindowExW(styles.exStyle, className.c_str(), title.c_str(), styles.style, at.x, at.y,
                                  args.width, args.height, owner, nullptr, GetModuleHandleW(nullptr), &unit);
    if (!window) {
        TraceLastError("CreateWindowExW of a window", nullptr);
        return nullptr;
    }
    created->finishCreation(args.width, args.height);
    return created;
}

void WindowUnit::finishCreation(int width, int height)
{
    RECT rect;
    GetWindowRect(handle_, &rect);
    if (rect.right - rect.left != width || rect.bottom - rect.top != height) {
        SetWindowPos(handle_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    applyIcons();
    applyShape();
    backPicture_ = BackPictureBitmap(options_.BackPicture);
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    if (options_.AlwaysOnTop) {
        applyAlwaysOnTop();
    }
    applyMovable();
}

}  // namespace rt
