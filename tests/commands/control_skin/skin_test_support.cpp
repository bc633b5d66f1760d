#include "tests/commands/control_skin/skin_test_support.h"

#include <winternl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "commands/control_skin/control_skin.h"
#include "runtime/win32/owned_handles.h"

namespace skin_test {
namespace {

constexpr wchar_t kHostClass[] = L"ZorviSkinTestHost";

HBRUSH ParentBrush()
{
    static HBRUSH brush = CreateSolidBrush(kParentBack);
    return brush;
}

LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CTLCOLORBTN) {
        auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, kParentText);
        SetBkColor(dc, kParentBack);
        return reinterpret_cast<LRESULT>(ParentBrush());
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterHostClass()
{
    static bool registered = false;
    if (registered) {
        return;
    }
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = HostProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kHostClass;
    registered = RegisterClassW(&windowClass) != 0;
}

// One entry of the GDI handle table the system maps into every process.
struct GdiHandleEntry {
    void* object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    void* user;
};

constexpr size_t kGdiHandleEntries = 0x10000;

long GdiTableEntries()
{
#ifdef _WIN64
    constexpr size_t kTableOffset = 0xf8;
#else
    constexpr size_t kTableOffset = 0x94;
#endif
    PROCESS_BASIC_INFORMATION process{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process, sizeof process, nullptr) !=
        0) {
        return -1;
    }
    auto* peb = reinterpret_cast<const unsigned char*>(process.PebBaseAddress);
    const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + kTableOffset);
    if (!table) {
        return -1;
    }
    long live = 0;
    for (size_t i = 0; i < kGdiHandleEntries; ++i) {
        live += table[i].type != 0 ? 1 : 0;
    }
    return live;
}

BOOL CALLBACK CountOne(HWND, LPARAM count)
{
    ++*reinterpret_cast<long*>(count);
    return TRUE;
}

BOOL CALLBACK CountTree(HWND window, LPARAM count)
{
    ++*reinterpret_cast<long*>(count);
    EnumChildWindows(window, CountOne, count);
    return TRUE;
}

double Mix(BYTE a, BYTE b, BYTE c, double wa, double wb, double wc) { return a * wa + b * wb + c * wc; }

}  // namespace

HostWindow::HostWindow(int width, int height)
{
    RegisterHostClass();
    window_ = CreateWindowExW(WS_EX_TOPMOST, kHostClass, L"skin test", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                              width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    Pump(30);
}

HostWindow::~HostWindow()
{
    if (window_ && IsWindow(window_)) {
        DestroyWindow(window_);
    }
    Pump(10);
}

HWND HostWindow::add(const wchar_t* className, const wchar_t* text, DWORD style, RECT rect, DWORD extendedStyle) const
{
    return CreateControl(window_, className, text, style | WS_VISIBLE, rect, extendedStyle);
}

HWND CreateControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, RECT rect,
                   DWORD extendedStyle)
{
    return CreateWindowExW(extendedStyle, className, text, WS_CHILD | style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

void Pump(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(2);
    } while (GetTickCount() - start < milliseconds);
}

std::optional<automation::Image> Capture(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    rt::WindowDc windowDc(window, GetWindowDC(window));
    if (!windowDc.get() || width <= 0 || height <= 0) {
        return std::nullopt;
    }
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB};
    void* bits = nullptr;
    rt::UniqueBitmap bitmap(CreateDIBSection(windowDc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    rt::MemoryDc memory(windowDc.get());
    rt::ScopedSelection selection(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, width, height, windowDc.get(), 0, 0, SRCCOPY);
    GdiFlush();
    automation::Image image{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 3)};
    const auto* pixel = static_cast<const uint8_t*>(bits);
    for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i, pixel += 4) {
        image.rgb[i * 3] = pixel[2];
        image.rgb[i * 3 + 1] = pixel[1];
        image.rgb[i * 3 + 2] = pixel[0];
    }
    return image;
}

automation::Image Shot(HWND window)
{
    std::optional<automation::Image> image = Capture(window);
    return image ? *image : automation::Image{};
}

COLORREF PixelOf(const automation::Image& image, int x, int y)
{
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) {
        return CLR_INVALID;
    }
    return image.Pixel(x, y);
}

bool Near(COLORREF actual, COLORREF expected, int tolerance)
{
    if (actual == CLR_INVALID) {
        return false;
    }
    return std::abs(GetRValue(actual) - GetRValue(expected)) <= tolerance &&
           std::abs(GetGValue(actual) - GetGValue(expected)) <= tolerance &&
           std::abs(GetBValue(actual) - GetBValue(expected)) <= tolerance;
}

COLORREF Less(COLORREF colour, int amount)
{
    auto part = [amount](int value) { return value > amount ? value - amount : 0; };
    return RGB(part(GetRValue(colour)), part(GetGValue(colour)), part(GetBValue(colour)));
}

std::string ColourText(COLORREF colour)
{
    char text[32];
    std::snprintf(text, sizeof text, "RGB(%d, %d, %d)", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

COLORREF GradientAt(const rt::commands::skin::Gradient& g, const RECT& rect, int x, int y)
{
    const double u = double(x - rect.left) / double(rect.right - rect.left);
    const double v = double(y - rect.top) / double(rect.bottom - rect.top);
    // The fill's two triangles: top-left, top-right, bottom-right; and top-left, bottom-right, bottom-left.
    COLORREF a = g.topLeft;
    COLORREF b = v <= u ? g.topRight : g.bottomRight;
    COLORREF c = v <= u ? g.bottomRight : g.bottomLeft;
    const double wa = v <= u ? 1 - u : 1 - v;
    const double wb = v <= u ? u - v : u;
    const double wc = v <= u ? v : v - u;
    auto channel = [&](BYTE (*part)(COLORREF)) {
        return static_cast<BYTE>(std::lround(Mix(part(a), part(b), part(c), wa, wb, wc)));
    };
    return RGB(channel([](COLORREF k) { return GetRValue(k); }), channel([](COLORREF k) { return GetGValue(k); }),
               channel([](COLORREF k) { return GetBValue(k); }));
}

long LiveGdiObjects()
{
    DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    return reported ? static_cast<long>(reported) : GdiTableEntries();
}

long UserObjects() { return static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)); }

long ThreadWindows()
{
    long count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTree, reinterpret_cast<LPARAM>(&count));
    return count;
}

WNDPROC ProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }

SkinOn::SkinOn(int scheme) { rt::commands::SwitchSkinOn(scheme); }

SkinOn::~SkinOn() { rt::commands::SwitchSkinOff(); }

}  // namespace skin_test
