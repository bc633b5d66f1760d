// The program's main window and preview window built from the program's own template block with
// every unit kind: all units are there, where the main window's layout puts them, with their
// texts and states, and screenshots of the main window, plain and in each skin scheme, are kept
// under build/screenshots.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>

#include "commands/control_skin/control_skin.h"
#include "data/program_windows.h"
#include "runtime/program_templates.h"
#include "runtime/start_runtime.h"
#include "runtime/unit_access.h"
#include "runtime/window/window_lifetime.h"
#include "tests/controls/core_library/program_windows.h"
#include "tests/runtime/window/window_test_support.h"
#include "tools/automation/screenshot.h"

const rt::ProgramHeader rt::kProgramHeader{};

namespace {

namespace units = data::main_window;

int64_t ReadNumber(uint32_t windowId, uint32_t unitId, int index)
{
    return rt::ReadProperty(windowId, unitId, index, -1);
}

enum CommonProperty : int { kLeft = 0, kTop = 1, kWidth = 2, kHeight = 3, kVisible = 5, kDisabled = 6 };
// Kind properties the application uses (unit index).
constexpr int kEditContent = 8;
constexpr int kLabelCaption = 8;
constexpr int kGroupCaption = 8;
constexpr int kButtonCaption = 10;
constexpr int kChoiceCaption = 11;
constexpr int kChecked = 18;

struct Placement {
    uint32_t unit;
    int left, top, width, height;
};

struct Text {
    uint32_t unit;
    int index;
    const char* text;
};

struct MainWindowTest : ::testing::Test {
    static void SetUpTestSuite() { program_windows::Start(); }
    void SetUp() override { ASSERT_TRUE(rt::LoadWindow(units::kId, nullptr, false, false)); }
    void TearDown() override
    {
        rt::DestroyAllWindows();
        window_test::Pump(20);
    }
};

TEST_F(MainWindowTest, AllThirtyNineUnitsAreLive)
{
    rt::WindowTemplate* window = rt::ProgramTemplates().findWindow(units::kId);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->unitCount(), 39u);
    for (size_t position = 1; position < window->unitCount(); ++position) {
        uint32_t id = window->unitAt(position)->id;
        SCOPED_TRACE(id);
        EXPECT_NE(window_test::UnitHandle(units::kId, id), nullptr);
    }
    EXPECT_EQ(ReadNumber(units::kId, 0, kWidth), 602);
    EXPECT_EQ(ReadNumber(units::kId, 0, kHeight), 489);
}

TEST_F(MainWindowTest, UnitsStandWhereTheLayoutPutsThem)
{
    const Placement placements[] = {
        {units::kOpenButton, 480, 6, 108, 30},       {units::kPreviewButton, 480, 39, 108, 30},
        {units::kSplitButton, 480, 72, 108, 30},     {units::kByCountRadio, 487, 103, 80, 24},
        {units::kRowsEdit, 488, 127, 71, 24},        {units::kColumnsEdit, 488, 159, 71, 24},
        {units::kBySizeRadio, 487, 194, 80, 24},     {units::kPieceWidthEdit, 488, 221, 71, 24},
        {units::kPieceHeightEdit, 488, 252, 71, 24}, {units::kPreviewBoard, 8, 8, 464, 344},
        {units::kProgressBar, 8, 357, 464, 18},      {units::kInfoGroup, 7, 384, 465, 65},
        {units::kLink1, 479, 384, 110, 20},          {units::kLink2, 479, 406, 110, 20},
        {units::kLink3, 479, 428, 110, 20},          {units::kNoticeView, 304, 264, 128, 128},
    };
    for (const Placement& p : placements) {
        SCOPED_TRACE(p.unit);
        EXPECT_EQ(ReadNumber(units::kId, p.unit, kLeft), p.left);
        EXPECT_EQ(ReadNumber(units::kId, p.unit, kTop), p.top);
        EXPECT_EQ(ReadNumber(units::kId, p.unit, kWidth), p.width);
        EXPECT_EQ(ReadNumber(units::kId, p.unit, kHeight), p.height);
    }
    EXPECT_EQ(ReadNumber(units::kId, units::kSizeCaptionLabel, kLeft), 16);
    EXPECT_EQ(ReadNumber(units::kId, units::kSizeCaptionLabel, kTop), 421);
    for (uint32_t board : {units::kPictureBoard, units::kCellBoard}) {
        EXPECT_EQ(ReadNumber(units::kId, board, kWidth), 24);
        EXPECT_EQ(ReadNumber(units::kId, board, kHeight), 24);
    }
}

TEST_F(MainWindowTest, UnitsShowTheirTemplateTexts)
{
    const Text texts[] = {
        {units::kOpenButton, kButtonCaption, "打开图片"},
        {units::kPreviewButton, kButtonCaption, "预览"},
        {units::kSplitButton, kButtonCaption, "分割"},
        {units::kByCountRadio, kChoiceCaption, "按数量分割"},
        {units::kBySizeRadio, kChoiceCaption, "按尺寸分割"},
        {units::kResizeCheck, kChoiceCaption, "改变图片尺寸"},
        {units::kRowsEdit, kEditContent, "3"},
        {units::kColumnsEdit, kEditContent, "5"},
        {units::kPieceWidthEdit, kEditContent, "100"},
        {units::kPieceHeightEdit, kEditContent, "100"},
        {units::kResizeWidthEdit, kEditContent, "100"},
        {units::kResizeHeightEdit, kEditContent, "100"},
        {units::kRowsLabel, kLabelCaption, "行"},
        {units::kColumnsLabel, kLabelCaption, "列"},
        {units::kPieceWidthLabel, kLabelCaption, "宽"},
        {units::kPieceHeightLabel, kLabelCaption, "高"},
        {units::kResizeWidthLabel, kLabelCaption, "宽"},
        {units::kResizeHeightLabel, kLabelCaption, "高"},
        {units::kBusyLabel, kLabelCaption, "正在分割图片,请稍候..."},
        {units::kNameCaptionLabel, kLabelCaption, "图片名称:"},
        {units::kSizeCaptionLabel, kLabelCaption, "尺寸:"},
        {units::kPictureNameLabel, kLabelCaption, ""},
        {units::kPictureSizeLabel, kLabelCaption, ""},
        {units::kInfoGroup, kGroupCaption, "图片信息"},
    };
    for (const Text& t : texts) {
        SCOPED_TRACE(t.text);
        EXPECT_EQ(window_test::ReadTextProperty(units::kId, t.unit, t.index), t.text);
    }
    EXPECT_EQ(window_test::ReadTextProperty(units::kId, 0, 8), "");
}

TEST_F(MainWindowTest, UnitsStartInTheirTemplateStates)
{
    EXPECT_EQ(ReadNumber(units::kId, units::kByCountRadio, kChecked), 1);
    EXPECT_EQ(ReadNumber(units::kId, units::kBySizeRadio, kChecked), 0);
    EXPECT_EQ(ReadNumber(units::kId, units::kResizeCheck, kChecked), 0);
    for (uint32_t edit :
         {units::kPieceWidthEdit, units::kPieceHeightEdit, units::kResizeWidthEdit, units::kResizeHeightEdit}) {
        EXPECT_EQ(ReadNumber(units::kId, edit, kDisabled), 1) << edit;
        EXPECT_FALSE(IsWindowEnabled(window_test::UnitHandle(units::kId, edit))) << edit;
    }
    EXPECT_EQ(ReadNumber(units::kId, units::kRowsEdit, kDisabled), 0);
    for (uint32_t hidden : {units::kBusyLabel, units::kProgressBar, units::kFeedbackLabel, units::kPictureBoard,
                            units::kCellBoard, units::kNoticeView}) {
        EXPECT_EQ(ReadNumber(units::kId, hidden, kVisible), 0) << hidden;
        EXPECT_FALSE(IsWindowVisible(window_test::UnitHandle(units::kId, hidden))) << hidden;
    }
    EXPECT_TRUE(IsWindowVisible(window_test::UnitHandle(units::kId, units::kPreviewBoard)));
}

std::filesystem::path ScreenshotFolder()
{
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::filesystem::path folder = std::filesystem::path(exe).parent_path() / L".." / L".." / L"screenshots";
    std::filesystem::create_directories(folder);
    return folder;
}

TEST_F(MainWindowTest, ScreenshotOfTheMainWindowIsKept)
{
    window_test::Pump(500);
    HWND window = window_test::UnitHandle(units::kId, 0);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(automation::SaveWindowScreenshot(window, (ScreenshotFolder() / L"main_window.png").wstring()));
}

// As the application does when its main window is created: the skin switched on over the live units.
TEST_F(MainWindowTest, ScreenshotsInEachSkinSchemeAreKept)
{
    HWND window = window_test::UnitHandle(units::kId, 0);
    ASSERT_NE(window, nullptr);
    for (int scheme : {rt::commands::kSkinBlue, rt::commands::kSkinOlive, rt::commands::kSkinSilver}) {
        EXPECT_EQ(rt::commands::SwitchSkinOn(scheme), 1);
        window_test::Pump(500);
        std::wstring name = L"main_window_scheme" + std::to_wstring(scheme) + L".png";
        EXPECT_TRUE(automation::SaveWindowScreenshot(window, (ScreenshotFolder() / name).wstring()));
    }
    EXPECT_NE(rt::commands::SwitchSkinOff(), 0);
}

TEST_F(MainWindowTest, PreviewWindowLoadsWithItsViews)
{
    namespace preview = data::preview_window;
    ASSERT_TRUE(rt::LoadWindow(preview::kId, nullptr, false, false));
    EXPECT_NE(window_test::UnitHandle(preview::kId, 0), nullptr);
    EXPECT_NE(window_test::UnitHandle(preview::kId, preview::kPageView), nullptr);
    EXPECT_NE(window_test::UnitHandle(preview::kId, preview::kNoticeView), nullptr);
}

}  // namespace
