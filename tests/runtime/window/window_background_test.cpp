// The window's background: BackPicture placed by BackPictureMode, the rest in BackColour, with the
// picture decoded through the picture side's service.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "commands/core/core_command_table.h"
#include "runtime/program_templates.h"
#include "runtime/unit_access.h"
#include "runtime/win32/owned_handles.h"
#include "runtime/window/window_lifetime.h"
#include "runtime/window/window_look.h"
#include "runtime/window/window_unit.h"
#include "tests/runtime/window/window_test_support.h"

namespace {

constexpr uint32_t kWindow = 0x52000060;
constexpr uint32_t kWindowUnit = 0x06000061;
constexpr int kWidth = 100;
constexpr int kHeight = 60;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(BackPictureTarget, PlacesThePictureByMode)
{
    struct Case {
        int mode;
        SIZE picture;
        RECT expected;
    };
    const SIZE client{100, 60};
    const Case cases[] = {
        {0, {4, 2}, {0, 0, 4, 2}},
        {0, {300, 200}, {0, 0, 300, 200}},
        {1, {4, 2}, {0, 0, 4, 2}},
        // Centred and never enlarged; larger pictures shrink by the tighter side, keeping the shape.
        {2, {4, 2}, {48, 29, 52, 31}},
        {2, {200, 60}, {0, 15, 100, 45}},
        {2, {50, 120}, {37, 0, 62, 60}},
        {3, {4, 2}, {0, 0, 100, 60}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        EXPECT_TRUE(rt::BackPictureTarget(c.mode, c.picture, client) == c.expected);
    }
    RECT empty = rt::BackPictureTarget(2, {50, 50}, {0, 0});
    EXPECT_EQ(empty.right - empty.left, 0);
    EXPECT_EQ(empty.bottom - empty.top, 0);
}

void PutWord(std::vector<uint8_t>& out, uint32_t value, int size)
{
    for (int i = 0; i < size; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

// A 24-bit BMP of 4 × 2 red pixels.
std::vector<uint8_t> RedBmp()
{
    std::vector<uint8_t> bmp{'B', 'M'};
    PutWord(bmp, 54 + 24, 4);
    PutWord(bmp, 0, 4);
    PutWord(bmp, 54, 4);
    PutWord(bmp, 40, 4);
    PutWord(bmp, 4, 4);
    PutWord(bmp, 2, 4);
    PutWord(bmp, 1, 2);
    PutWord(bmp, 24, 2);
    for (int i = 0; i < 6; ++i) {
        PutWord(bmp, 0, 4);
    }
    for (int pixel = 0; pixel < 8; ++pixel) {
        bmp.insert(bmp.end(), {0, 0, 255});
    }
    return bmp;
}

rt::WindowRecord MakeWindow(std::vector<uint8_t> picture)
{
    rt::WindowOptions options;
    options.Border = 0;
    options.StartPosition = 0;
    options.BackColour = kBlue;
    options.BackPicture = std::move(picture);
    options.BackPictureMode = 0;
    rt::WindowRecord window;
    window.id = kWindow;
    window.units.push_back(window_test::WindowRecord(kWindowUnit, options, {10, 10, kWidth, kHeight}, 0, {}));
    return window;
}

rt::UniqueBitmap ScreenBitmap(int width, int height)
{
    rt::ScreenDc screen;
    return rt::UniqueBitmap(CreateCompatibleBitmap(screen.get(), width, height));
}

// The window's background as it paints it, read back from an off-screen copy.
class ErasedBackground {
public:
    explicit ErasedBackground(HWND window)
        : dc_(nullptr), bitmap_(ScreenBitmap(kWidth, kHeight)), selection_(dc_.get(), bitmap_.get())
    {
        SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc_.get()), 0);
    }

    COLORREF at(int x, int y) const { return GetPixel(dc_.get(), x, y); }

private:
    rt::MemoryDc dc_;
    rt::UniqueBitmap bitmap_;
    rt::ScopedSelection selection_;
};

struct WindowBackgroundTest : ::testing::Test {
    static void SetUpTestSuite()
    {
        window_test::StartWindowLayerForTests();
        // The core library offers the picture decoding to the runtime when it starts.
        rt::commands::CoreCommandsNotify(rt::kNotifyStarted, 0, 0);
    }
    void TearDown() override
    {
        rt::DestroyAllWindows();
        window_test::Pump(20);
    }
    HWND Load(std::vector<uint8_t> picture)
    {
        if (!window_test::InstallTemplates({MakeWindow(std::move(picture))}, {nullptr, 0}) ||
            !rt::LoadWindow(kWindow, nullptr, false, false)) {
            return nullptr;
        }
        rt::WindowUnit* unit = rt::LiveWindowOf(*rt::ProgramTemplates().findWindow(kWindow));
        return unit ? unit->handle() : nullptr;
    }
    void SetMode(int mode) { rt::WriteProperty(kWindow, 0, 8 + rt::kWindowBackPictureMode, -1, mode, 0); }
};

TEST_F(WindowBackgroundTest, EachModePlacesThePictureAndTheRestTakesTheColour)
{
    HWND window = Load(RedBmp());
    ASSERT_NE(window, nullptr);
    {
        ErasedBackground natural(window);
        EXPECT_EQ(natural.at(1, 1), kRed);
        EXPECT_EQ(natural.at(5, 1), kBlue);
        EXPECT_EQ(natural.at(50, 30), kBlue);
    }
    SetMode(1);
    {
        ErasedBackground tiled(window);
        EXPECT_EQ(tiled.at(50, 30), kRed);
        EXPECT_EQ(tiled.at(kWidth - 1, kHeight - 1), kRed);
    }
    SetMode(2);
    {
        ErasedBackground centred(window);
        EXPECT_EQ(centred.at(49, 30), kRed);
        EXPECT_EQ(centred.at(47, 30), kBlue);
        EXPECT_EQ(centred.at(1, 1), kBlue);
    }
    SetMode(3);
    {
        ErasedBackground stretched(window);
        EXPECT_EQ(stretched.at(1, 1), kRed);
        EXPECT_EQ(stretched.at(kWidth - 2, kHeight - 2), kRed);
    }
}

TEST_F(WindowBackgroundTest, BytesThatAreNoPictureLeaveOnlyTheColour)
{
    HWND window = Load({'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'});
    ASSERT_NE(window, nullptr);
    ErasedBackground background(window);
    EXPECT_EQ(background.at(1, 1), kBlue);
    EXPECT_EQ(background.at(50, 30), kBlue);
}

}  // namespace
