// What every kind's options share: defaults for empty data, the version limit, truncation, and
// writing the highest version; then the sizes the program's units have.
#include <gtest/gtest.h>

#include "runtime/unit_options/button_options.h"
#include "runtime/unit_options/check_box_options.h"
#include "runtime/unit_options/common_dlg_options.h"
#include "runtime/unit_options/board_options.h"
#include "runtime/unit_options/edit_box_options.h"
#include "runtime/unit_options/group_box_options.h"
#include "runtime/unit_options/html_viewer_options.h"
#include "runtime/unit_options/hyper_linker_options.h"
#include "runtime/unit_options/label_options.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/unit_options/process_bar_options.h"
#include "runtime/unit_options/radio_box_options.h"
#include "runtime/unit_options/window_options.h"

namespace {

template <class Options>
class EveryKind : public testing::Test {
};

using Kinds = testing::Types<rt::WindowOptions, rt::EditBoxOptions, rt::LabelOptions, rt::GroupBoxOptions,
                             rt::ButtonOptions, rt::CheckBoxOptions, rt::RadioBoxOptions, rt::ProcessBarOptions,
                             rt::HyperLinkerOptions, rt::BoardOptions, rt::HtmlViewerOptions, rt::CommonDlgOptions>;
TYPED_TEST_SUITE(EveryKind, Kinds);

TYPED_TEST(EveryKind, EmptyDataGivesTheDefaults)
{
    std::optional<TypeParam> options = rt::ReadOptions<TypeParam>(nullptr, 0);
    ASSERT_TRUE(options);
    EXPECT_EQ(*options, TypeParam{});
}

TYPED_TEST(EveryKind, WritesTheHighestVersionAndReadsItBack)
{
    std::vector<uint8_t> bytes = rt::WriteOptions(TypeParam{});
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes[0], TypeParam::kMaxVersion);
    std::optional<TypeParam> options = rt::ReadOptions<TypeParam>(bytes);
    ASSERT_TRUE(options);
    EXPECT_EQ(*options, TypeParam{});
    EXPECT_EQ(rt::WriteOptions(*options), bytes);
}

TYPED_TEST(EveryKind, RefusesAVersionAboveTheMaximum)
{
    std::vector<uint8_t> bytes = rt::WriteOptions(TypeParam{});
    bytes[0] = TypeParam::kMaxVersion + 1;
    EXPECT_FALSE(rt::ReadOptions<TypeParam>(bytes));
    bytes[0] = 0;
    bytes[3] = 0x80;
    EXPECT_FALSE(rt::ReadOptions<TypeParam>(bytes));
}

TYPED_TEST(EveryKind, RefusesEveryTruncation)
{
    const std::vector<uint8_t> bytes = rt::WriteOptions(TypeParam{});
    for (size_t size = 1; size < bytes.size(); ++size) {
        EXPECT_FALSE(rt::ReadOptions<TypeParam>(bytes.data(), size)) << "size " << size;
    }
}

TYPED_TEST(EveryKind, IgnoresBytesAfterTheLastField)
{
    std::vector<uint8_t> bytes = rt::WriteOptions(TypeParam{});
    bytes.insert(bytes.end(), {1, 2, 3});
    EXPECT_TRUE(rt::ReadOptions<TypeParam>(bytes));
}

TEST(Options, DefaultCaptionsAreGbkTexts)
{
    EXPECT_EQ(rt::LabelOptions{}.Caption, "\xb1\xea\xc7\xa9");
    EXPECT_EQ(rt::ButtonOptions{}.Caption, "\xb0\xb4\xc5\xa5");
    EXPECT_EQ(rt::CheckBoxOptions{}.Caption, "\xd1\xa1\xd4\xf1\xbf\xf2");
    EXPECT_EQ(rt::RadioBoxOptions{}.Caption, "\xb5\xa5\xd1\xa1\xbf\xf2");
}

rt::FontDescription SongFont(int32_t height)
{
    rt::FontDescription font;
    font.Height = height;
    font.Weight = 400;
    font.CharSet = 134;
    font.setFaceName("宋体");
    return font;
}

TEST(Options, SizesOfTheProgramsUnits)
{
    rt::EditBoxOptions edit;
    edit.Content = "3";
    EXPECT_EQ(rt::WriteOptions(edit).size(), 83u);
    edit.Content = "100";
    EXPECT_EQ(rt::WriteOptions(edit).size(), 85u);

    rt::LabelOptions label;
    label.Caption = "";
    EXPECT_EQ(rt::WriteOptions(label).size(), 88u);
    label.Caption = "图片名称:";
    EXPECT_EQ(rt::WriteOptions(label).size(), 97u);
    label.Caption = "正在分割图片,请稍候...";
    label.Font = SongFont(-16);
    EXPECT_EQ(rt::WriteOptions(label).size(), 170u);

    rt::HyperLinkerOptions link;
    link.Font = SongFont(-12);
    EXPECT_EQ(rt::WriteOptions(link).size(), 104u);

    rt::CommonDlgOptions dialog;
    dialog.Filter = "(*.bmp;*.jpg;*.gif;*.tiff;*.png)|*.bmp;*.jpg;*.gif;*.tiff;*.png";
    EXPECT_EQ(rt::WriteOptions(dialog).size(), 155u);

    rt::BoardOptions board;
    EXPECT_EQ(rt::WriteOptions(board).size(), 64u);
    board.BackPicture.assign(37977, 0xff);
    EXPECT_EQ(rt::WriteOptions(board).size(), 64u + 37977u);

    EXPECT_EQ(rt::WriteOptions(rt::ProcessBarOptions{}).size(), 28u);

    rt::WindowOptions window;
    window.Title = "已分割图片预览窗口";
    EXPECT_EQ(rt::WriteOptions(window).size(), 118u);
}

}  // namespace
