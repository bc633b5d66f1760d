// Each kind's fields in stored order: hand-made property data gives every field a value of its
// own, so a field read from the wrong place shows.
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
#include "property_bytes.h"

namespace {

template <class Options>
Options ReadOrFail(const PropertyBytes& bytes)
{
    std::optional<Options> options = rt::ReadOptions<Options>(bytes.data);
    EXPECT_TRUE(options);
    return options.value_or(Options{});
}

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

TEST(OptionLayouts, EditBox)
{
    PropertyBytes bytes;
    bytes.u32(2).numbered(1, 9).u16(0xa1b1).numbered(10, 6).font(-7).text("c").text("ds").text("dc");
    auto o = ReadOrFail<rt::EditBoxOptions>(bytes);
    EXPECT_EQ(o.Border, 1);
    EXPECT_EQ(o.TextColour, 2u);
    EXPECT_EQ(o.BackColour, 3u);
    EXPECT_TRUE(o.HideSelection);
    EXPECT_EQ(o.MaxLength, 5);
    EXPECT_TRUE(o.Multiline);
    EXPECT_EQ(o.ScrollBars, 7);
    EXPECT_EQ(o.Alignment, 8);
    EXPECT_EQ(o.InputMode, 9);
    EXPECT_EQ(o.PasswordChar, 0xa1b1);
    EXPECT_EQ(o.CaseConversion, 10);
    EXPECT_EQ(o.SpinMode, 11);
    EXPECT_EQ(o.SpinMin, 12);
    EXPECT_EQ(o.SpinMax, 13);
    EXPECT_EQ(o.SelStart, 14);
    EXPECT_EQ(o.SelLength, 15);
    ASSERT_TRUE(o.Font);
    EXPECT_EQ(o.Font->Height, -7);
    EXPECT_EQ(o.Content, "c");
    EXPECT_EQ(o.DataSource, "ds");
    EXPECT_EQ(o.DataColumn, "dc");
}

TEST(OptionLayouts, Label)
{
    PropertyBytes bytes;
    bytes.u32(2).numbered(1, 16).font(-9).text("pic").text("cap").text("ds").text("dc");
    auto o = ReadOrFail<rt::LabelOptions>(bytes);
    EXPECT_EQ(o.Effect, 1);
    EXPECT_EQ(o.FrameWidth, 2);
    EXPECT_EQ(o.Border, 3);
    EXPECT_EQ(o.FrameColour1, 4u);
    EXPECT_EQ(o.FrameColour2, 5u);
    EXPECT_EQ(o.FrameColour3, 6u);
    EXPECT_EQ(o.TextColour, 7u);
    EXPECT_EQ(o.BackColour, 8u);
    EXPECT_EQ(o.BackPictureMode, 9);
    EXPECT_EQ(o.GradientMode, 10);
    EXPECT_EQ(o.GradientColour1, 11u);
    EXPECT_EQ(o.GradientColour2, 12u);
    EXPECT_EQ(o.GradientColour3, 13u);
    EXPECT_EQ(o.HorizontalAlign, 14);
    EXPECT_EQ(o.VerticalAlign, 15);
    EXPECT_TRUE(o.WordWrap);
    ASSERT_TRUE(o.Font);
    EXPECT_EQ(o.Font->Height, -9);
    EXPECT_EQ(o.BackPicture, Bytes("pic"));
    EXPECT_EQ(o.Caption, "cap");
    EXPECT_EQ(o.DataSource, "ds");
    EXPECT_EQ(o.DataColumn, "dc");
}

TEST(OptionLayouts, GroupBox)
{
    PropertyBytes bytes;
    bytes.u32(1).numbered(1, 3).font(-3).text("cap");
    auto o = ReadOrFail<rt::GroupBoxOptions>(bytes);
    EXPECT_EQ(o.Alignment, 1);
    EXPECT_EQ(o.TextColour, 2u);
    EXPECT_EQ(o.BackColour, 3u);
    EXPECT_EQ(o.Font->Height, -3);
    EXPECT_EQ(o.Caption, "cap");
}

TEST(OptionLayouts, Button)
{
    PropertyBytes bytes;
    bytes.u32(1).numbered(1, 3).text("img").font(-4).text("cap");
    auto o = ReadOrFail<rt::ButtonOptions>(bytes);
    EXPECT_EQ(o.ButtonType, 1);
    EXPECT_EQ(o.HorizontalAlign, 2);
    EXPECT_EQ(o.VerticalAlign, 3);
    EXPECT_EQ(o.Image, Bytes("img"));
    EXPECT_EQ(o.Font->Height, -4);
    EXPECT_EQ(o.Caption, "cap");
}

TEST(OptionLayouts, CheckBox)
{
    PropertyBytes bytes;
    bytes.u32(2).numbered(1, 8).text("img").font(-5).text("cap").text("ds").text("dc");
    auto o = ReadOrFail<rt::CheckBoxOptions>(bytes);
    EXPECT_TRUE(o.PushLike && o.Flat && o.TextOnLeft && o.Checked);
    EXPECT_EQ(o.HorizontalAlign, 4);
    EXPECT_EQ(o.VerticalAlign, 5);
    EXPECT_EQ(o.TextColour, 6u);
    EXPECT_EQ(o.BackColour, 7u);
    EXPECT_EQ(o.Image, Bytes("img"));
    EXPECT_EQ(o.Font->Height, -5);
    EXPECT_EQ(o.Caption, "cap");
    EXPECT_EQ(o.DataSource, "ds");
    EXPECT_EQ(o.DataColumn, "dc");
}

TEST(OptionLayouts, RadioBox)
{
    PropertyBytes bytes;
    bytes.u32(1).u32(0).u32(0).u32(0).numbered(4, 4).u32(0).text("img").font(-6).text("cap");
    auto o = ReadOrFail<rt::RadioBoxOptions>(bytes);
    EXPECT_FALSE(o.PushLike || o.Flat || o.TextOnLeft || o.Checked);
    EXPECT_EQ(o.HorizontalAlign, 4);
    EXPECT_EQ(o.VerticalAlign, 5);
    EXPECT_EQ(o.TextColour, 6u);
    EXPECT_EQ(o.BackColour, 7u);
    EXPECT_EQ(o.Image, Bytes("img"));
    EXPECT_EQ(o.Font->Height, -6);
    EXPECT_EQ(o.Caption, "cap");
}

TEST(OptionLayouts, ProcessBar)
{
    PropertyBytes bytes;
    bytes.u32(1).u32(4).u32(1).u32(0).numbered(5, 3);
    auto o = ReadOrFail<rt::ProcessBarOptions>(bytes);
    EXPECT_EQ(o.Border, 4);
    EXPECT_TRUE(o.Vertical);
    EXPECT_FALSE(o.Smooth);
    EXPECT_EQ(o.Minimum, 5);
    EXPECT_EQ(o.Maximum, 6);
    EXPECT_EQ(o.Position, 7);
}

TEST(OptionLayouts, HyperLinker)
{
    PropertyBytes bytes;
    bytes.u32(1).numbered(1, 6).font(-8).text("cap").text("mail").text("web");
    auto o = ReadOrFail<rt::HyperLinkerOptions>(bytes);
    EXPECT_EQ(o.LinkType, 1);
    EXPECT_EQ(o.NormalColour, 2u);
    EXPECT_EQ(o.VisitedColour, 3u);
    EXPECT_EQ(o.HoverColour, 4u);
    EXPECT_EQ(o.BackColour, 5u);
    EXPECT_EQ(o.Border, 6);
    EXPECT_EQ(o.Font->Height, -8);
    EXPECT_EQ(o.Caption, "cap");
    EXPECT_EQ(o.MailAddress, "mail");
    EXPECT_EQ(o.WebAddress, "web");
}

TEST(OptionLayouts, DrawPanel)
{
    PropertyBytes bytes;
    bytes.u32(1).numbered(1, 13).font(-10).text("picture");
    auto o = ReadOrFail<rt::BoardOptions>(bytes);
    EXPECT_EQ(o.Border, 1);
    EXPECT_EQ(o.BackColour, 2u);
    EXPECT_EQ(o.BackPictureMode, 3);
    EXPECT_TRUE(o.AutoRedraw);
    EXPECT_EQ(o.CoordinateUnit, 5);
    EXPECT_EQ(o.PenType, 6);
    EXPECT_EQ(o.DrawMode, 7);
    EXPECT_EQ(o.PenWidth, 8);
    EXPECT_EQ(o.PenColour, 9u);
    EXPECT_EQ(o.BrushType, 10);
    EXPECT_EQ(o.BrushColour, 11u);
    EXPECT_EQ(o.TextColour, 12u);
    EXPECT_EQ(o.TextBackColour, 13u);
    EXPECT_EQ(o.Font->Height, -10);
    EXPECT_EQ(o.BackPicture, Bytes("picture"));
}

TEST(OptionLayouts, HtmlViewer)
{
    PropertyBytes bytes;
    bytes.u32(1).u32(3).u32(0).u32(1).text("index.html");
    auto o = ReadOrFail<rt::HtmlViewerOptions>(bytes);
    EXPECT_EQ(o.TextSize, 3);
    EXPECT_FALSE(o.Offline);
    EXPECT_TRUE(o.Silent);
    EXPECT_EQ(o.Address, "index.html");
}

TEST(OptionLayouts, CommonDlg)
{
    PropertyBytes bytes;
    bytes.u32(1).u32(1).u32(2).u32(1).u32(0).u32(1).u32(0).u32(1).u32(8);
    bytes.u32(1).u32(0).u32(1).u32(0).numbered(13, 3);
    bytes.text("title").text("file").text("filter").text("dir").text("ext").text("face").text("help");
    auto o = ReadOrFail<rt::CommonDlgOptions>(bytes);
    EXPECT_EQ(o.DialogType, 1);
    EXPECT_EQ(o.FilterIndex, 2);
    EXPECT_TRUE(o.CreatePrompt);
    EXPECT_FALSE(o.FileMustExist);
    EXPECT_TRUE(o.OverwritePrompt);
    EXPECT_FALSE(o.PathMustExist);
    EXPECT_TRUE(o.NoChangeDir);
    EXPECT_EQ(o.FontColour, 8u);
    EXPECT_TRUE(o.FontBold);
    EXPECT_FALSE(o.FontItalic);
    EXPECT_TRUE(o.FontUnderline);
    EXPECT_FALSE(o.FontStrikeOut);
    EXPECT_EQ(o.FontSize, 13);
    EXPECT_EQ(o.HelpCommand, 14);
    EXPECT_EQ(o.HelpTopic, 15);
    EXPECT_EQ(o.Title, "title");
    EXPECT_EQ(o.FileName, "file");
    EXPECT_EQ(o.Filter, "filter");
    EXPECT_EQ(o.InitialDir, "dir");
    EXPECT_EQ(o.DefaultExt, "ext");
    EXPECT_EQ(o.FontName, "face");
    EXPECT_EQ(o.HelpFile, "help");
}

TEST(OptionLayouts, OlderVersionsHoldNoDataBindingTexts)
{
    PropertyBytes edit;
    edit.u32(1).numbered(1, 9).u16('#').numbered(10, 6).u32(0).text("c");
    EXPECT_EQ(ReadOrFail<rt::EditBoxOptions>(edit).Content, "c");

    PropertyBytes label;
    label.u32(0).numbered(1, 16).u32(0).u32(0).text("cap");
    EXPECT_EQ(ReadOrFail<rt::LabelOptions>(label).Caption, "cap");

    PropertyBytes check;
    check.u32(1).numbered(1, 8).u32(0).u32(0).text("cap");
    EXPECT_EQ(ReadOrFail<rt::CheckBoxOptions>(check).Caption, "cap");
}

TEST(OptionLayouts, AFontOfAnotherSizeIsPassedOverAsNoFont)
{
    PropertyBytes bytes;
    bytes.u32(1).numbered(1, 3).u32(3);
    bytes.data.insert(bytes.data.end(), {1, 2, 3});
    bytes.text("cap");
    auto o = ReadOrFail<rt::GroupBoxOptions>(bytes);
    EXPECT_FALSE(o.Font);
    EXPECT_EQ(o.Caption, "cap");
}

}  // namespace
