// The Label in a loaded window: what its properties read back after writes and their clamps, what
// its painting shows (caption, effects, gradient frame, background) and what creation refuses.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "controls/label/label.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/memory.h"
#include "runtime/start_runtime.h"
#include "runtime/unit_access.h"
#include "runtime/text_codec.h"
#include "runtime/window/window_lifetime.h"
#include "tests/controls/label/label_fixture.h"
#include "tests/runtime/window/window_test_support.h"

const rt::ProgramHeader rt::kProgramHeader{};

namespace {

using label_test::kLabel;
using label_test::kWindow;

rt::SubReturn Ignore(const int32_t*, int) { return {}; }
const rt::ApplicationSub kSubs[] = {Ignore};
const rt::CodeBase kCodeBase{kSubs, 1};

// The Label's own property indexes (8 + number).
enum : int {
    kCaption = 8,
    kEffect = 9,
    kBorder = 10,
    kFrameWidth = 11,
    kFont = 15,
    kTextColour = 16,
    kBackColour = 17,
    kGradientMode = 20,
    kWordWrap = 25,
};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

int32_t Read(int index) { return static_cast<int32_t>(rt::ReadProperty(kWindow, kLabel, index, -1)); }
void Write(int index, int32_t value) { rt::WriteProperty(kWindow, kLabel, index, -1, static_cast<uint32_t>(value), 0); }

std::string ReadText(int index) { return window_test::ReadTextProperty(kWindow, kLabel, index); }

// White background, black plain text: what the painting tests start from.
rt::LabelOptions PlainOptions(const std::string& caption)
{
    rt::LabelOptions options;
    options.Caption = caption;
    options.BackColour = 0xffffff;
    options.TextColour = 0;
    return options;
}

// A 4 × 2 24-bit BMP file, all pixels red.
std::vector<uint8_t> RedBmp()
{
    std::vector<uint8_t> file(54 + 2 * 12, 0);
    auto put32 = [&file](size_t at, uint32_t value) { std::memcpy(file.data() + at, &value, 4); };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, 4);
    put32(22, 2);
    file[26] = 1;
    file[28] = 24;
    for (size_t pixel = 0; pixel < 8; ++pixel) {
        file[54 + pixel * 3 + 2] = 0xff;
    }
    return file;
}

struct LabelUnitTest : ::testing::Test {
    void TearDown() override { label_test::CloseWindows(); }
};

TEST_F(LabelUnitTest, PicksAreClampedWhenWritten)
{
    ASSERT_TRUE(label_test::LoadLabelWindow(rt::LabelOptions{}, kCodeBase));
    Write(kEffect, 7);
    EXPECT_EQ(Read(kEffect), 3);
    Write(kEffect, -1);
    EXPECT_EQ(Read(kEffect), 0);
    Write(kBorder, 9);
    EXPECT_EQ(Read(kBorder), 6);
    Write(kBorder, -3);
    EXPECT_EQ(Read(kBorder), 0);
    Write(kFrameWidth, 2);
    EXPECT_EQ(Read(kFrameWidth), 5);
    Write(kFrameWidth, 12);
    EXPECT_EQ(Read(kFrameWidth), 12);
    Write(kGradientMode, 20);
    EXPECT_EQ(Read(kGradientMode), 8);
}

TEST_F(LabelUnitTest, TemplateValuesOutOfRangeAreClampedToo)
{
    rt::LabelOptions options;
    options.Effect = 12;
    options.FrameWidth = 0;
    ASSERT_TRUE(label_test::LoadLabelWindow(options, kCodeBase));
    EXPECT_EQ(Read(kEffect), 3);
    EXPECT_EQ(Read(kFrameWidth), 5);
}

TEST_F(LabelUnitTest, EmptyPropertyDataGivesTheDefaults)
{
    ASSERT_TRUE(label_test::LoadLabelWindowWithData({}, kCodeBase));
    EXPECT_EQ(ReadText(kCaption), "标签");
    EXPECT_EQ(Read(kFrameWidth), 8);
    EXPECT_EQ(static_cast<uint32_t>(Read(kBackColour)), 0xff000000u);
    EXPECT_EQ(rt::ReadProperty(kWindow, kLabel, 26, -1), 1);  // VerticalAlign
}

TEST_F(LabelUnitTest, ANewerPropertyVersionFailsTheLoad)
{
    EXPECT_FALSE(label_test::LoadLabelWindowWithData({3, 0, 0, 0}, kCodeBase));
}

TEST_F(LabelUnitTest, CaptionIsTheWindowText)
{
    ASSERT_TRUE(label_test::LoadLabelWindow(PlainOptions("宽"), kCodeBase));
    wchar_t text[16] = {};
    GetWindowTextW(label_test::LabelHandle(), text, 16);
    EXPECT_EQ(rt::GbkFromWide(text), "宽");
    rt::WriteProperty(kWindow, kLabel, kCaption, -1, reinterpret_cast<uintptr_t>("图片名称:"), 0);
    GetWindowTextW(label_test::LabelHandle(), text, 16);
    EXPECT_EQ(rt::GbkFromWide(text), "图片名称:");
    EXPECT_EQ(ReadText(kCaption), "图片名称:");
}

TEST_F(LabelUnitTest, BorderStylesAreAppliedAndTheGradientFrameHasNone)
{
    rt::LabelOptions options;
    options.Border = 3;
    ASSERT_TRUE(label_test::LoadLabelWindow(options, kCodeBase));
    HWND label = label_test::LabelHandle();
    EXPECT_TRUE(GetWindowLongPtrW(label, GWL_EXSTYLE) & WS_EX_STATICEDGE);
    Write(kBorder, 6);
    EXPECT_FALSE(GetWindowLongPtrW(label, GWL_EXSTYLE) & WS_EX_STATICEDGE);
    EXPECT_FALSE(GetWindowLongPtrW(label, GWL_STYLE) & WS_BORDER);
}

TEST_F(LabelUnitTest, PaintingShowsTheCaptionOnTheBackColour)
{
    ASSERT_TRUE(label_test::LoadLabelWindow(PlainOptions("WWW 正在分割图片"), kCodeBase));
    label_test::Capture capture = label_test::CaptureLabel();
    EXPECT_GT(capture.count(kBlack), 10);
    EXPECT_EQ(capture.at(199, 0), kWhite);

    rt::WriteProperty(kWindow, kLabel, kCaption, -1, reinterpret_cast<uintptr_t>(""), 0);
    EXPECT_EQ(label_test::CaptureLabel().count(kWhite), capture.width * capture.height);
}

TEST_F(LabelUnitTest, CaptionSitsWhereTheAlignmentsPutIt)
{
    rt::LabelOptions options = PlainOptions("WWW");
    options.HorizontalAlign = 2;
    options.VerticalAlign = 2;
    ASSERT_TRUE(label_test::LoadLabelWindow(options, kCodeBase));
    label_test::Capture capture = label_test::CaptureLabel();
    int leftHalf = 0;
    int rightHalf = 0;
    int topHalf = 0;
    for (int y = 0; y < capture.height; ++y) {
        for (int x = 0; x < capture.width; ++x) {
            if (capture.at(x, y) == kBlack) {
                (x < capture.width / 2 ? leftHalf : rightHalf) += 1;
                topHalf += y < capture.height / 2 ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(leftHalf, 0);
    EXPECT_GT(rightHalf, 0);
    EXPECT_EQ(topHalf, 0);
}

TEST_F(LabelUnitTest, ShadowedEffectDrawsABlackShadowUnderTheTextColour)
{
    rt::LabelOptions options = PlainOptions("影子");
    options.TextColour = kRed;
    ASSERT_TRUE(label_test::LoadLabelWindow(options, kCodeBase));
    EXPECT_EQ(label_test::CaptureLabel().count(kBlack), 0);
    Write(kEffect, 3);
    label_test::Capture shadowed = label_test::CaptureLabel();
    EXPECT_GT(shadowed.count(kBlack), 0);
    EXPECT_GT(shadowed.count(kRed), 0);
}

TEST_F(LabelUnitTest, RaisedAndEngravedEffectsDrawWhiteAndTheTextColour)
{
    rt::LabelOptions options = PlainOptions("凸起");
    options.BackColour = 0x808080;
    options.TextColour = kRed;
    options.Effect = 1;
    ASSERT_TRUE(label_test::LoadLabelWindow(options, kCodeBase));
    label_test::Capture raised = label_test::CaptureLabel();
    EXPECT_GT(raised.count(kWhite), 0);
    EXPECT_GT(raised.count(kRed), 0);
    Write(kEffect, 2);
    label_test::Capture engraved = label_test::CaptureLabel();
    EXPECT_GT(engraved.count(kWhite), 0);
    EXPECT_GT(engraved.count(kRed), 0);
}

TEST_F(LabelUnitTest, GradientFrameShadesFromTheOuterToTheInnerEdge)
{
    rt::LabelOptions options = PlainOptions("");
    options.Border = 6;
    options.FrameWidth = 8;
    options.FrameColour1 = 0x0000ff;
    options.FrameColour2 = 0xff000000;  // not used
    options.FrameColour3 = 0xff0000;
    ASSERT_TRUE(label_test::LoadLabelWindow(options, kCodeBase));
    label_test::Capture capture = label_test::CaptureLabel();
    EXPECT_EQ(capture.at(0, 30), kRed);
    EXPECT_EQ(capture.at(199, 59), kRed);
    EXPECT_EQ(capture.at(7, 30), RGB(0, 0, 255));
    EXPECT_EQ(capture.at(8, 30), kWhite);  // the area inside the frame: BackColour
    EXPECT_EQ(capture.at(100, 30), kWhite);
}

TEST_F(LabelUnitTest, GradientFrameNeedsTwoColoursAndBorderSix)
{
    rt::LabelOptions options = PlainOptions("");
    options.Border = 6;
    options.FrameColour1 = 0x0000ff;
    options.FrameColour2 = 0xff000000;
    options.FrameColour3 = 0xff000000;
    ASSERT_TRUE(label_test::LoadLabelWindow(options, kCodeBase));
    label_test::Capture capture = label_test::CaptureLabel();
    EXPECT_EQ(capture.count(kWhite), capture.width * capture.height);
}

TEST_F(LabelUnitTest, AFrameWiderThanTheLabelPaintsWithoutError)
{
    rt::LabelOptions options = PlainOptions("字");
    options.Border = 6;
    options.FrameWidth = 500;
    ASSERT_TRUE(label_test::LoadLabelWindow(options, kCodeBase));
    label_test::Capture capture = label_test::CaptureLabel();
    EXPECT_EQ(capture.count(kWhite), 0);
}

TEST_F(LabelUnitTest, GradientBackgroundReplacesTheBackColour)
{
    rt::LabelOptions options = PlainOptions("");
    options.GradientMode = 1;
    options.GradientColour1 = 0x000000;
    options.GradientColour2 = 0xff000000;
    options.GradientColour3 = 0x0000ff;
    ASSERT_TRUE(label_test::LoadLabelWindow(options, kCodeBase));
    label_test::Capture capture = label_test::CaptureLabel();
    EXPECT_EQ(capture.at(0, 10), kBlack);
    EXPECT_EQ(capture.at(199, 10), kRed);
    EXPECT_EQ(capture.count(kWhite), 0);
}

TEST_F(LabelUnitTest, BackPictureIsPlacedByItsModeOverTheBackColour)
{
    rt::LabelOptions options = PlainOptions("");
    options.BackPicture = RedBmp();
    options.BackPictureMode = 0;
    options.GradientMode = 1;  // a picture takes precedence over the gradient
    ASSERT_TRUE(label_test::LoadLabelWindow(options, kCodeBase));
    label_test::Capture topLeft = label_test::CaptureLabel();
    EXPECT_EQ(topLeft.count(kRed), 8);
    EXPECT_EQ(topLeft.at(3, 1), kRed);
    EXPECT_EQ(topLeft.at(4, 1), kWhite);

    Write(19, 1);  // tiled
    EXPECT_EQ(label_test::CaptureLabel().count(kRed), topLeft.width * topLeft.height);
}

TEST_F(LabelUnitTest, BackPictureThatDoesNotDecodeLeavesTheBackColour)
{
    rt::LabelOptions options = PlainOptions("");
    options.BackPicture = {'B', 'M', 1, 2, 3};
    ASSERT_TRUE(label_test::LoadLabelWindow(options, kCodeBase));
    label_test::Capture capture = label_test::CaptureLabel();
    EXPECT_EQ(capture.count(kWhite), capture.width * capture.height);
}

TEST_F(LabelUnitTest, FontAndWordWrapWritesReadBack)
{
    ASSERT_TRUE(
        label_test::LoadLabelWindow(PlainOptions("一二三四五六七八九十一二三四五六七八九十一二三四五六"), kCodeBase));
    Write(kWordWrap, 5);
    EXPECT_EQ(Read(kWordWrap), 1);
    label_test::Capture wrapped = label_test::CaptureLabel();
    EXPECT_GT(wrapped.count(kBlack), 10);

    rt::FontDescription font;
    font.Height = -16;
    font.Weight = 700;
    font.setFaceName("宋体");
    std::array<uint8_t, rt::kFontDescriptionSize> bytes = rt::EncodeFont(font);
    std::vector<uint8_t> byteSet(8 + bytes.size());
    int32_t header[2] = {1, static_cast<int32_t>(bytes.size())};
    std::memcpy(byteSet.data(), header, 8);
    std::memcpy(byteSet.data() + 8, bytes.data(), bytes.size());
    rt::WriteProperty(kWindow, kLabel, kFont, -1, reinterpret_cast<uintptr_t>(byteSet.data()), 0);
    auto* read = reinterpret_cast<uint8_t*>(static_cast<uintptr_t>(rt::ReadProperty(kWindow, kLabel, kFont, -1)));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(rt::ByteSetSize(read), rt::kFontDescriptionSize);
    EXPECT_EQ(rt::DecodeFont(rt::ByteSetData(read)), font);
    rt::FreeMem(read);
}

}  // namespace
