#include "tests/controls/label/label_fixture.h"

#include "controls/label/label.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/runtime_service.h"
#include "runtime/templates/unit_kinds.h"
#include "runtime/win32/owned_handles.h"
#include "runtime/window/unit_kind.h"
#include "runtime/window/unit_kind_registry.h"
#include "runtime/window/window_lifetime.h"
#include "tests/runtime/window/window_test_support.h"

namespace label_test {

bool LoadLabelWindowWithData(const std::vector<uint8_t>& propertyData, const rt::CodeBase& codeBase)
{
    window_test::StartWindowLayerForTests();
    rt::RegisterUnitKind(rt::units::LabelKind());
    rt::units::RegisterLabelMethods();
    rt::WindowRecord window;
    window.id = kWindow;
    window.units.push_back(window_test::DefaultWindowRecord(kWindowUnit, {30, 30, 320, 200}, rt::kUnitVisible, {}));
    window.units.push_back(
        window_test::Record(kLabel, rt::kLabelKind, {10, 10, 200, 60}, rt::kUnitVisible, {{0, 0}}, propertyData));
    window.units.push_back(
        window_test::Record(kSecondLabel, rt::kLabelKind, {10, 100, 100, 20}, rt::kUnitVisible, {}, {}));
    if (!window_test::InstallTemplates({window}, codeBase)) {
        return false;
    }
    return rt::LoadWindow(kWindow, nullptr, false, false);
}

bool LoadLabelWindow(const rt::LabelOptions& options, const rt::CodeBase& codeBase)
{
    return LoadLabelWindowWithData(rt::WriteOptions(options), codeBase);
}

void CloseWindows()
{
    rt::DestroyAllWindows();
    window_test::Pump(20);
}

HWND LabelHandle()
{
    auto* unit = reinterpret_cast<rt::LiveUnit*>(rt::RuntimeService(rt::kServiceUnitObject, kWindow, kLabel));
    return unit ? unit->handle() : nullptr;
}

COLORREF Capture::at(int x, int y) const
{
    uint32_t pixel = pixels[static_cast<size_t>(y) * width + x];
    return RGB((pixel >> 16) & 0xff, (pixel >> 8) & 0xff, pixel & 0xff);
}

int Capture::count(COLORREF colour) const
{
    int found = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            found += at(x, y) == colour ? 1 : 0;
        }
    }
    return found;
}

Capture CaptureLabel()
{
    Capture capture;
    HWND label = LabelHandle();
    RECT client;
    GetClientRect(label, &client);
    capture.width = client.right;
    capture.height = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = capture.width;
    info.bmiHeader.biHeight = -capture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    rt::UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    rt::MemoryDc memory(nullptr);
    rt::ScopedSelection selection(memory.get(), bitmap.get());
    HDC dc = memory.get();
    PatBlt(dc, 0, 0, capture.width, capture.height, WHITENESS);
    SendMessageW(label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    const auto* pixels = static_cast<const uint32_t*>(bits);
    capture.pixels.assign(pixels, pixels + static_cast<size_t>(capture.width) * capture.height);
    for (uint32_t& pixel : capture.pixels) {
        pixel &= 0x00ffffff;
    }
    return capture;
}

}  // namespace label_test
