// Screenshots and pixels of what another process paints.
#include <gtest/gtest.h>

#include <png.h>

#include <cstdio>

#include "tests/tools/fixture.h"
#include "tests/tools/fixture_process.h"
#include "tools/automation/automation.h"
#include "tools/automation/png_writer.h"
#include "tools/automation/wait.h"

using namespace automation;

namespace {

constexpr COLORREF kColour = RGB(0x33, 0x66, 0xCC);
constexpr RECT kSolid{700, 500, 900, 650};

// Reads a PNG file back as RGB rows.
std::optional<Image> ReadPng(const std::wstring& path)
{
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file) {
        return std::nullopt;
    }
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    Image image;
    bool ok = png_image_begin_read_from_stdio(&png, file) != 0;
    if (ok) {
        png.format = PNG_FORMAT_RGB;
        image.width = static_cast<int>(png.width);
        image.height = static_cast<int>(png.height);
        image.rgb.resize(PNG_IMAGE_SIZE(png));
        ok = png_image_finish_read(&png, nullptr, image.rgb.data(), 0, nullptr) != 0;
    }
    png_image_free(&png);
    fclose(file);
    return ok ? std::optional<Image>(std::move(image)) : std::nullopt;
}

class ScreenshotTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        child_ = fixture::StartFixture({L"solid", L"3366CC", std::to_wstring(kSolid.left), std::to_wstring(kSolid.top),
                                        std::to_wstring(kSolid.right - kSolid.left),
                                        std::to_wstring(kSolid.bottom - kSolid.top)});
        ASSERT_TRUE(child_);
        window_ = WaitForTopWindow(child_.pid(), WindowQuery{.title = fixture::kSolidTitle}, fixture::kWaitMs);
        ASSERT_NE(window_, nullptr);
        // Painting follows the window's appearance: wait until its middle and corners show the colour.
        ASSERT_TRUE(WaitFor(fixture::kWaitMs, [] {
            return ScreenPixel(800, 575) == kColour && ScreenPixel(kSolid.left, kSolid.top) == kColour &&
                   ScreenPixel(kSolid.right - 1, kSolid.bottom - 1) == kColour;
        }));
    }

    fixture::TempFolder folder_;
    ChildProcess child_;
    HWND window_ = nullptr;
};

TEST_F(ScreenshotTest, ScreenPngHasTheScreensSizeAndThePaintedColour)
{
    const std::wstring path = (folder_.path() / L"screen.png").wstring();
    ASSERT_TRUE(SaveScreenshot(path));
    const std::optional<Image> image = ReadPng(path);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(image->height, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    const int x = 800 - GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int y = 575 - GetSystemMetrics(SM_YVIRTUALSCREEN);
    EXPECT_EQ(image->Pixel(x, y), kColour);
    EXPECT_EQ(image->Pixel(kSolid.left, kSolid.top), kColour);
    EXPECT_EQ(image->Pixel(kSolid.right - 1, kSolid.bottom - 1), kColour);
}

TEST_F(ScreenshotTest, WindowCaptureCoversExactlyTheWindow)
{
    const std::optional<Image> image = CaptureWindow(window_);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, kSolid.right - kSolid.left);
    EXPECT_EQ(image->height, kSolid.bottom - kSolid.top);
    for (int y = 0; y < image->height; y += 7) {
        for (int x = 0; x < image->width; x += 7) {
            ASSERT_EQ(image->Pixel(x, y), kColour) << x << "," << y;
        }
    }
    const std::wstring path = (folder_.path() / L"窗口.png").wstring();
    ASSERT_TRUE(SaveWindowScreenshot(window_, path));
    const std::optional<Image> saved = ReadPng(path);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->rgb, image->rgb);
}

TEST_F(ScreenshotTest, PixelJustOutsideIsNotTheWindow)
{
    EXPECT_EQ(ScreenPixel(kSolid.left, kSolid.top), kColour);
    EXPECT_NE(ScreenPixel(kSolid.left - 1, kSolid.top), kColour);
    EXPECT_NE(ScreenPixel(kSolid.right, kSolid.bottom - 1), kColour);
}

TEST(Screenshot, EmptyOrImpossibleCapturesAreRefused)
{
    EXPECT_FALSE(CaptureScreenRect(RECT{0, 0, 0, 0}));
    EXPECT_FALSE(CaptureScreenRect(RECT{10, 10, 5, 20}));
    EXPECT_FALSE(CaptureScreenRect(RECT{0, 0, 100000, 10}));
    EXPECT_FALSE(CaptureWindow(nullptr));
    fixture::TempFolder folder;
    const std::wstring path = (folder.path() / L"none.png").wstring();
    EXPECT_FALSE(SaveWindowScreenshot(nullptr, path));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(Screenshot, PngWriterRefusesBadImagesAndLeavesNoFile)
{
    fixture::TempFolder folder;
    const std::wstring path = (folder.path() / L"bad.png").wstring();
    EXPECT_FALSE(WritePng(path, Image{2, 2, std::vector<uint8_t>(5)}));
    EXPECT_FALSE(WritePng(path, Image{0, 0, {}}));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(WritePng((folder.path() / L"no folder" / L"x.png").wstring(), Image{1, 1, {1, 2, 3}}));

    const Image two{2, 1, {255, 0, 0, 0, 0, 255}};
    ASSERT_TRUE(WritePng(path, two));
    const std::optional<Image> read = ReadPng(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->rgb, two.rgb);
    EXPECT_EQ(read->Pixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(read->Pixel(1, 0), RGB(0, 0, 255));
}

}  // namespace
