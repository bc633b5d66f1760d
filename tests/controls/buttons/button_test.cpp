// The Button in a loaded window: clicks raise event 0, the default button takes Enter and follows
// ButtonType in place, alignments and images set its style, and bad property data fails the load.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "runtime/unit_options/button_options.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/runtime_service.h"
#include "runtime/start_runtime.h"
#include "runtime/unit_access.h"
#include "runtime/window/unit_kind.h"
#include "tests/controls/buttons/buttons_fixture.h"
#include "tests/runtime/window/window_test_support.h"

const rt::ProgramHeader rt::kProgramHeader{};

namespace {

using namespace buttons_test;

enum : int { kImage = 8, kButtonType = 9, kCaption = 10, kHorizontalAlign = 11, kVerticalAlign = 12 };

rt::LiveUnit* UnitObject(uint32_t unitId)
{
    return reinterpret_cast<rt::LiveUnit*>(rt::RuntimeService(rt::kServiceUnitObject, kWindow, unitId));
}

// A 2 × 2 24-bit BMP file.
std::vector<uint8_t> SmallBmp()
{
    std::vector<uint8_t> file(54 + 16, 0);
    auto put32 = [&file](size_t at, uint32_t value) { std::memcpy(file.data() + at, &value, 4); };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, 2);
    put32(22, 2);
    file[26] = 1;
    file[28] = 24;
    put32(34, 16);
    return file;
}

// A 16 × 16 32-bit .ico file with one image.
std::vector<uint8_t> SmallIco()
{
    constexpr uint32_t kSide = 16;
    constexpr uint32_t kImageSize = 40 + kSide * kSide * 4 + kSide * 4;
    std::vector<uint8_t> file(6 + 16 + kImageSize, 0);
    auto put16 = [&file](size_t at, uint16_t value) { std::memcpy(file.data() + at, &value, 2); };
    auto put32 = [&file](size_t at, uint32_t value) { std::memcpy(file.data() + at, &value, 4); };
    put16(2, 1);
    put16(4, 1);
    file[6] = kSide;
    file[7] = kSide;
    put16(10, 1);
    put16(12, 32);
    put32(14, kImageSize);
    put32(18, 22);
    put32(22, 40);
    put32(26, kSide);
    put32(30, kSide * 2);
    put16(34, 1);
    put16(36, 32);
    for (size_t pixel = 0; pixel < kSide * kSide; ++pixel) {
        put32(62 + pixel * 4, 0xff0000ff);
    }
    return file;
}

// The byte set a property write takes: 1, the count, the bytes.
std::vector<uint8_t> ByteSet(const std::vector<uint8_t>& bytes)
{
    std::vector<uint8_t> set(8 + bytes.size());
    int32_t header[2] = {1, static_cast<int32_t>(bytes.size())};
    std::memcpy(set.data(), header, 8);
    std::memcpy(set.data() + 8, bytes.data(), bytes.size());
    return set;
}

struct ButtonTest : ::testing::Test {
    void TearDown() override { CloseWindows(); }
};

TEST_F(ButtonTest, AClickRaisesEventZeroOnce)
{
    ASSERT_TRUE(LoadButtonsWindow());
    SendMessageW(UnitHandle(kButton), BM_CLICK, 0, 0);
    EXPECT_EQ(Clicks(kButton), 1);
    EXPECT_EQ(Clicks(kDefaultButton), 0);
}

TEST_F(ButtonTest, TheControlIsAMultiLinePushButton)
{
    ASSERT_TRUE(LoadButtonsWindow());
    wchar_t className[16] = {};
    GetClassNameW(UnitHandle(kButton), className, 16);
    EXPECT_EQ(lstrcmpiW(className, L"BUTTON"), 0);
    EXPECT_EQ(StyleOf(kButton) & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_TRUE(StyleOf(kButton) & BS_MULTILINE);
    EXPECT_EQ(StyleOf(kButton) & (BS_CENTER | BS_VCENTER), BS_CENTER | BS_VCENTER);
}

TEST_F(ButtonTest, DefaultButtonTakesEnterAndFollowsButtonType)
{
    ASSERT_TRUE(LoadButtonsWindow());
    EXPECT_EQ(StyleOf(kDefaultButton) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_FALSE(UnitObject(kButton)->offerEnter(false));
    EXPECT_TRUE(UnitObject(kDefaultButton)->offerEnter(false));
    EXPECT_EQ(Clicks(kDefaultButton), 1);

    Write(kDefaultButton, kButtonType, 0);
    EXPECT_EQ(StyleOf(kDefaultButton) & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_FALSE(UnitObject(kDefaultButton)->offerEnter(false));
    Write(kButton, kButtonType, 7);
    EXPECT_EQ(Read(kButton, kButtonType), 1);
    EXPECT_EQ(StyleOf(kButton) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

TEST_F(ButtonTest, EnterKeyClicksTheDefaultButtonThroughTheWindow)
{
    ASSERT_TRUE(LoadButtonsWindow());
    SetFocus(UnitHandle(kCheckBox));
    PostMessageW(UnitHandle(kCheckBox), WM_KEYDOWN, VK_RETURN, 0);
    window_test::Pump(50);
    EXPECT_EQ(Clicks(kDefaultButton), 1);
}

TEST_F(ButtonTest, AlignmentsChangeTheStyleInPlace)
{
    ASSERT_TRUE(LoadButtonsWindow());
    HWND before = UnitHandle(kButton);
    Write(kButton, kHorizontalAlign, 0);
    Write(kButton, kVerticalAlign, 2);
    EXPECT_EQ(UnitHandle(kButton), before);
    EXPECT_EQ(StyleOf(kButton) & BS_CENTER, BS_LEFT);
    EXPECT_EQ(StyleOf(kButton) & BS_VCENTER, BS_BOTTOM);
    EXPECT_EQ(StyleOf(kButton) & BS_TYPEMASK, BS_PUSHBUTTON);
}

TEST_F(ButtonTest, ADecodedImageIsShownAsABitmapAndBadBytesAreDropped)
{
    ASSERT_TRUE(LoadButtonsWindow());
    std::vector<uint8_t> image = ByteSet(SmallBmp());
    rt::WriteProperty(kWindow, kButton, kImage, -1, reinterpret_cast<uintptr_t>(image.data()), 0);
    EXPECT_TRUE(StyleOf(kButton) & BS_BITMAP);
    EXPECT_NE(SendMessageW(UnitHandle(kButton), BM_GETIMAGE, IMAGE_BITMAP, 0), 0);

    std::vector<uint8_t> junk = ByteSet({1, 2, 3, 4, 5, 6, 7, 8});
    rt::WriteProperty(kWindow, kButton, kImage, -1, reinterpret_cast<uintptr_t>(junk.data()), 0);
    EXPECT_FALSE(StyleOf(kButton) & (BS_BITMAP | BS_ICON));
    EXPECT_EQ(SendMessageW(UnitHandle(kButton), BM_GETIMAGE, IMAGE_BITMAP, 0), 0);
}

TEST_F(ButtonTest, AnIconIsShownAsAnIconOnAPushButtonAndAsABitmapOnACheckBox)
{
    ASSERT_TRUE(LoadButtonsWindow());
    std::vector<uint8_t> icon = ByteSet(SmallIco());
    rt::WriteProperty(kWindow, kButton, kImage, -1, reinterpret_cast<uintptr_t>(icon.data()), 0);
    EXPECT_TRUE(StyleOf(kButton) & BS_ICON);
    EXPECT_NE(SendMessageW(UnitHandle(kButton), BM_GETIMAGE, IMAGE_ICON, 0), 0);

    rt::WriteProperty(kWindow, kCheckBox, kImage, -1, reinterpret_cast<uintptr_t>(icon.data()), 0);
    EXPECT_TRUE(StyleOf(kCheckBox) & BS_BITMAP);
    Write(kCheckBox, 9, 1);  // PushLike
    EXPECT_TRUE(StyleOf(kCheckBox) & BS_ICON);
}

TEST_F(ButtonTest, AnImageInTheTemplateIsSetAtCreation)
{
    rt::ButtonOptions options;
    options.Image = SmallBmp();
    ASSERT_TRUE(LoadButtonsWindow({{kButton, rt::WriteOptions(options)}}));
    EXPECT_TRUE(StyleOf(kButton) & BS_BITMAP);
}

TEST_F(ButtonTest, AnAltMnemonicRaisesTheClickOfItsButton)
{
    rt::ButtonOptions options;
    options.Caption = "&Open";
    ASSERT_TRUE(LoadButtonsWindow({{kButton, rt::WriteOptions(options)}}));
    PostMessageW(UnitHandle(kButton), WM_SYSKEYDOWN, 'O', 0);
    window_test::Pump(50);
    EXPECT_EQ(Clicks(kButton), 1);
}

TEST_F(ButtonTest, ANewerPropertyVersionFailsTheLoad)
{
    EXPECT_FALSE(LoadButtonsWindow({{kButton, {2, 0, 0, 0}}}));
    EXPECT_FALSE(LoadButtonsWindow({{kGroup, {2, 0, 0, 0}}}));
    EXPECT_FALSE(LoadButtonsWindow({{kCheckBox, {3, 0, 0, 0}}}));
    EXPECT_FALSE(LoadButtonsWindow({{kRadioA, {2, 0, 0, 0}}}));
}

}  // namespace
