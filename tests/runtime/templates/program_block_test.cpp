// The program's own template block, as generated into program_data, read back and checked unit by
// unit against the two windows the program shows: ids, kinds, names, containers, positions, flags,
// bindings and property data.
#include <gtest/gtest.h>

#include "runtime/unit_options/check_box_options.h"
#include "runtime/unit_options/common_dlg_options.h"
#include "runtime/unit_options/board_options.h"
#include "runtime/unit_options/edit_box_options.h"
#include "runtime/unit_options/group_box_options.h"
#include "runtime/unit_options/hyper_linker_options.h"
#include "runtime/unit_options/label_options.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/unit_options/radio_box_options.h"
#include "runtime/unit_options/button_options.h"
#include "runtime/unit_options/window_options.h"
#include "data/program_windows.h"
#include "data/template_block.h"
#include "runtime/templates/template_collection.h"
#include "runtime/templates/template_reader.h"
#include "runtime/templates/template_writer.h"
#include "runtime/templates/unit_kinds.h"

namespace {

namespace main = data::main_window;
namespace preview = data::preview_window;
namespace subs = data::subs;

struct ExpectedUnit {
    uint32_t id;
    uint32_t kind;
    const char* name;
    uint32_t container;
    rt::UnitRect rect;
    uint32_t flags;
    std::vector<std::pair<int32_t, uint32_t>> events;  // event index, code-base entry
};

constexpr uint32_t V = rt::kUnitVisible;
constexpr uint32_t D = rt::kUnitDisabled;
constexpr uint32_t F = rt::kUnitTakesFocus;

const std::vector<ExpectedUnit> kMainUnits = {
    {0x06010000,
     rt::kWindowKind,
     "",
     0,
     {50, 50, 602, 489},
     V,
     {{0, subs::kOnMainWindowCreated}, {2, subs::kOnMainWindowDestroyed}}},
    {0x1601025e, rt::kHtmlViewerKind, "超文本浏览框1", 0, {304, 264, 128, 128}, F, {}},
    {0x16010255, rt::kLabelKind, "标签10", 0x160100a8, {297, 0, 64, 16}, 0, {{0, subs::kOnSplitDoneFeedback}}},
    {0x160101f4, rt::kHyperLinkerKind, "超级链接框3", 0, {479, 428, 110, 20}, V, {{-1, subs::kOnLink3Pressed}}},
    {0x160101f3, rt::kHyperLinkerKind, "超级链接框2", 0, {479, 406, 110, 20}, V, {{-1, subs::kOnLink2Pressed}}},
    {0x16010198, rt::kHyperLinkerKind, "超级链接框1", 0, {479, 384, 110, 20}, V, {{-1, subs::kOnLink1Pressed}}},
    {0x1601015e, rt::kLabelKind, "标签8", 0x1601014f, {89, 54, 14, 24}, V, {}},
    {0x1601015f, rt::kEditBoxKind, "编辑框5", 0x1601014f, {7, 23, 71, 24}, V | D | F, {}},
    {0x16010160, rt::kEditBoxKind, "编辑框6", 0x1601014f, {7, 54, 71, 24}, V | D | F, {}},
    {0x16010161, rt::kLabelKind, "标签9", 0x1601014f, {88, 23, 14, 24}, V, {}},
    {0x16010155, rt::kCheckBoxKind, "选择框1", 0x1601014f, {9, -4, 92, 24}, V | F, {{0, subs::kOnResizeToggled}}},
    {0x16010152, rt::kProcessBarKind, "进度条1", 0, {8, 357, 464, 18}, 0, {}},
    {0x1601014f, rt::kGroupBoxKind, "分组框4", 0, {480, 288, 110, 88}, V, {}},
    {0x160100cd, rt::kEditBoxKind, "编辑框3", 0, {488, 221, 71, 24}, V | D | F, {}},
    {0x160100ce, rt::kEditBoxKind, "编辑框4", 0, {488, 252, 71, 24}, V | D | F, {}},
    {0x160100cf, rt::kLabelKind, "标签6", 0, {570, 253, 14, 24}, V, {}},
    {0x160100d0, rt::kLabelKind, "标签7", 0, {570, 220, 14, 24}, V, {}},
    {0x160100cc, rt::kRadioBoxKind, "单选框2", 0, {487, 194, 80, 24}, V | F, {{0, subs::kOnSplitBySizeChosen}}},
    {0x160100cb, rt::kRadioBoxKind, "单选框1", 0, {487, 103, 80, 24}, V | F, {{0, subs::kOnSplitByCountChosen}}},
    {0x160100b0, rt::kLabelKind, "图片名称标签", 0x160100a8, {65, 15, 392, 24}, V, {}},
    {0x160100af, rt::kLabelKind, "尺寸标签", 0x160100a8, {51, 37, 94, 24}, V, {}},
    {0x160100aa, rt::kLabelKind, "标签5", 0, {16, 421, 40, 24}, V, {}},
    {0x160100a9, rt::kLabelKind, "标签4", 0x160100a8, {8, 15, 56, 24}, V, {}},
    {0x160100a8, rt::kGroupBoxKind, "分组框1", 0, {7, 384, 465, 65}, V, {}},
    {0x160100a6, rt::kLabelKind, "标签3", 0x16010011, {151, 159, 184, 32}, 0, {}},
    {0x1601002d, rt::kButtonKind, "预览钮", 0, {480, 39, 108, 30}, V | F, {{0, subs::kOnPreviewClicked}}},
    {0x16010022, rt::kLabelKind, "标签2", 0, {570, 157, 14, 24}, V, {}},
    {0x16010021, rt::kLabelKind, "标签1", 0, {570, 125, 14, 24}, V, {}},
    {0x16010020, rt::kEditBoxKind, "编辑框2", 0, {488, 159, 71, 24}, V | F, {}},
    {0x1601001f, rt::kEditBoxKind, "编辑框1", 0, {488, 127, 71, 24}, V | F, {}},
    {0x1601001d, rt::kButtonKind, "分割钮", 0, {480, 72, 108, 30}, V | F, {{0, subs::kOnSplitClicked}}},
    {0x16010011, rt::kBoardKind, "画板3", 0, {8, 8, 464, 344}, V, {}},
    {0x16010008, rt::kCommonDlgKind, "通用对话框1", 0, {512, 85, 32, 32}, 0, {}},
    {0x16010007, rt::kButtonKind, "打开钮", 0, {480, 6, 108, 30}, V | F, {{0, subs::kOnOpenClicked}}},
    {0x16010036, rt::kCommonDlgKind, "通用对话框2", 0, {549, 85, 32, 32}, 0, {}},
    {0x1601002c, rt::kBoardKind, "画板2", 0, {516, 114, 24, 24}, 0, {}},
    {0x1601005a, rt::kBoardKind, "画板1", 0, {548, 114, 24, 24}, 0, {}},
    {0x160100da, rt::kGroupBoxKind, "分组框2", 0, {480, 197, 110, 88}, V, {}},
    {0x160100db, rt::kGroupBoxKind, "分组框3", 0, {480, 105, 110, 88}, V, {}},
};

const std::vector<ExpectedUnit> kPreviewUnits = {
    {0x06010143,
     rt::kWindowKind,
     "",
     0,
     {50, 50, 491, 337},
     V,
     {{0, subs::kOnPreviewWindowCreated}, {2, subs::kOnPreviewWindowDestroyed}}},
    {0x16010149, rt::kHtmlViewerKind, "超文本浏览框1", 0, {8, 48, 344, 248}, V | F, {}},
    {0x1601014a, rt::kHtmlViewerKind, "超文本浏览框2", 0, {32, 8, 400, 57}, F, {}},
};

const char kFilter[] = "(*.bmp;*.jpg;*.gif;*.tiff;*.png)|*.bmp;*.jpg;*.gif;*.tiff;*.png";

class ProgramBlock : public testing::Test {
protected:
    void SetUp() override
    {
        std::optional<rt::TemplateBlock> read = rt::ReadTemplateBlock(data::kTemplateBlock, data::kTemplateBlockLength);
        ASSERT_TRUE(read);
        block = std::move(*read);
        ASSERT_EQ(block.windows.size(), 2u);
    }

    const rt::UnitRecord& unit(uint32_t windowId, uint32_t unitId) const
    {
        for (const rt::WindowRecord& window : block.windows) {
            for (const rt::UnitRecord& record : window.units) {
                if (window.id == windowId && record.id == unitId) {
                    return record;
                }
            }
        }
        ADD_FAILURE() << "no unit " << std::hex << unitId;
        static const rt::UnitRecord none;
        return none;
    }

    template <class Options>
    Options options(uint32_t windowId, uint32_t unitId) const
    {
        const std::vector<uint8_t>& data = unit(windowId, unitId).placed().propertyData;
        EXPECT_FALSE(data.empty());
        std::optional<Options> read = rt::ReadOptions<Options>(data);
        EXPECT_TRUE(read);
        return read.value_or(Options{});
    }

    size_t dataSize(uint32_t unitId) const { return unit(main::kId, unitId).placed().propertyData.size(); }

    rt::TemplateBlock block;
};

void ExpectUnits(const rt::WindowRecord& window, const std::vector<ExpectedUnit>& expected)
{
    ASSERT_EQ(window.units.size(), expected.size());
    for (size_t k = 0; k < expected.size(); ++k) {
        const rt::UnitRecord& unit = window.units[k];
        const ExpectedUnit& e = expected[k];
        SCOPED_TRACE(testing::Message() << "unit " << k << " " << std::hex << e.id);
        EXPECT_EQ(unit.id, e.id);
        EXPECT_EQ(unit.kind, e.kind);
        EXPECT_EQ(unit.name, e.name);
        EXPECT_EQ(unit.eventSource, 0u);
        ASSERT_FALSE(unit.isMenuItem());
        const rt::PlacedUnit& placed = unit.placed();
        EXPECT_EQ(placed.container, e.container);
        EXPECT_EQ(placed.rect, e.rect);
        EXPECT_EQ(placed.flags, e.flags);
        EXPECT_EQ(placed.mousePointer, (std::vector<uint8_t>{0, 0, 0, 0}));
        EXPECT_EQ(placed.tag, "");
        ASSERT_EQ(placed.bindings.size(), e.events.size());
        for (size_t i = 0; i < e.events.size(); ++i) {
            EXPECT_EQ(placed.bindings[i].event, e.events[i].first);
            EXPECT_EQ(placed.bindings[i].subOffset, e.events[i].second);
        }
    }
}

TEST_F(ProgramBlock, HasTheFiguresOfTheStoredBlock)
{
    EXPECT_EQ(data::kTemplateBlockLength, 46253u);
    EXPECT_EQ(block.windows[0].units.size(), 39u);
    // The main window's unit list length: after the index (20 bytes) and five words of its record.
    const uint8_t* list = data::kTemplateBlock + 40;
    EXPECT_EQ(list[0] | list[1] << 8 | list[2] << 16 | list[3] << 24, 0xb270);
    EXPECT_EQ(rt::WriteTemplateBlock(block),
              std::vector<uint8_t>(data::kTemplateBlock, data::kTemplateBlock + data::kTemplateBlockLength));
}

TEST_F(ProgramBlock, HoldsTheMainWindowsUnitsInListOrder)
{
    EXPECT_EQ(block.windows[0].id, 0x52010001u);
    EXPECT_EQ(block.windows[0].secondId, 0x19010009u);
    ExpectUnits(block.windows[0], kMainUnits);
}

TEST_F(ProgramBlock, HoldsThePreviewWindowsUnits)
{
    EXPECT_EQ(block.windows[1].id, 0x52010144u);
    EXPECT_EQ(block.windows[1].secondId, 0x19010145u);
    ExpectUnits(block.windows[1], kPreviewUnits);
}

TEST_F(ProgramBlock, ContainersListTheirChildrenInOrder)
{
    EXPECT_EQ(unit(main::kId, main::kResizeGroup).placed().children,
              (std::vector<uint32_t>{0x1601015e, 0x1601015f, 0x16010160, 0x16010161, 0x16010155}));
    EXPECT_EQ(unit(main::kId, main::kInfoGroup).placed().children,
              (std::vector<uint32_t>{0x16010255, 0x160100b0, 0x160100af, 0x160100a9}));
    EXPECT_EQ(unit(main::kId, main::kPreviewBoard).placed().children, (std::vector<uint32_t>{0x160100a6}));
}

TEST_F(ProgramBlock, OneLinkIsBoundToTheFirstCodeBaseEntry)
{
    EXPECT_EQ(subs::kOnLink1Pressed, 0u);
    std::vector<rt::ApplicationSub> entries(subs::kCount, [](const int32_t*, int) { return rt::SubReturn{}; });
    const rt::CodeBase codeBase{entries.data(), subs::kCount};
    std::optional<rt::TemplateCollection> collection =
        rt::LoadTemplateCollection(data::kTemplateBlock, data::kTemplateBlockLength, codeBase);
    ASSERT_TRUE(collection);
    rt::WindowTemplate* window = collection->findWindow(main::kId);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->findUnit(main::kLink1)->placed().bindings[0].handler, &entries[0]);
    EXPECT_EQ(collection->findWindow(preview::kId)->unitAt(0)->placed().bindings[1].handler,
              &entries[subs::kOnPreviewWindowDestroyed]);
}

TEST_F(ProgramBlock, WindowsHaveTheirFramesAndTitles)
{
    auto mainWindow = options<rt::WindowOptions>(main::kId, main::kWindowUnit);
    EXPECT_EQ(mainWindow.Title, "");
    EXPECT_EQ(mainWindow.Border, 2);
    EXPECT_EQ(mainWindow.StartPosition, 1);
    EXPECT_TRUE(mainWindow.MinButton && mainWindow.ControlBox && mainWindow.Movable && mainWindow.EscCloses);
    EXPECT_FALSE(mainWindow.MaxButton);
    auto previewWindow = options<rt::WindowOptions>(preview::kId, preview::kWindowUnit);
    EXPECT_EQ(previewWindow.Title, "已分割图片预览窗口");
    EXPECT_TRUE(previewWindow.MaxButton && previewWindow.MinButton);
    EXPECT_EQ(previewWindow.Border, 2);
    EXPECT_EQ(previewWindow.StartPosition, 1);
}

TEST_F(ProgramBlock, EditBoxesTakeSignedNumbers)
{
    const std::pair<uint32_t, const char*> boxes[] = {
        {main::kRowsEdit, "3"},          {main::kColumnsEdit, "5"},       {main::kPieceWidthEdit, "100"},
        {main::kPieceHeightEdit, "100"}, {main::kResizeWidthEdit, "100"}, {main::kResizeHeightEdit, "100"}};
    for (const auto& [id, content] : boxes) {
        auto edit = options<rt::EditBoxOptions>(main::kId, id);
        EXPECT_EQ(edit.Content, content);
        EXPECT_EQ(edit.Border, 1);
        EXPECT_EQ(edit.BackColour, 0xffffffu);
        EXPECT_EQ(edit.Alignment, 1);
        EXPECT_EQ(edit.InputMode, 7);
        EXPECT_EQ(dataSize(id), std::string_view(content).size() == 1 ? 83u : 85u);
    }
}

TEST_F(ProgramBlock, LabelsCarryTheirCaptions)
{
    const std::pair<uint32_t, const char*> labels[] = {
        {main::kRowsLabel, "行"},           {main::kColumnsLabel, "列"},
        {main::kPieceWidthLabel, "宽"},     {main::kPieceHeightLabel, "高"},
        {main::kResizeWidthLabel, "宽"},    {main::kResizeHeightLabel, "高"},
        {main::kSizeCaptionLabel, "尺寸:"}, {main::kNameCaptionLabel, "图片名称:"},
        {main::kPictureNameLabel, ""},      {main::kPictureSizeLabel, ""}};
    for (const auto& [id, caption] : labels) {
        auto label = options<rt::LabelOptions>(main::kId, id);
        EXPECT_EQ(label.Caption, caption);
        EXPECT_EQ(label.VerticalAlign, 1);
        EXPECT_EQ(label, [&] {
            rt::LabelOptions plain;
            plain.Caption = caption;
            return plain;
        }());
        EXPECT_GE(dataSize(id), 88u);
        EXPECT_LE(dataSize(id), 97u);
    }
}

TEST_F(ProgramBlock, TheBusyLabelIsRedOnGrey)
{
    auto busy = options<rt::LabelOptions>(main::kId, main::kBusyLabel);
    EXPECT_EQ(busy.Caption, "正在分割图片,请稍候...");
    EXPECT_EQ(busy.Border, 3);
    EXPECT_EQ(busy.TextColour, 0x0000ffu);
    EXPECT_EQ(busy.BackColour, 0xecececu);
    EXPECT_EQ(busy.HorizontalAlign, 1);
    EXPECT_EQ(busy.VerticalAlign, 1);
    ASSERT_TRUE(busy.Font);
    EXPECT_EQ(busy.Font->Height, -16);
    EXPECT_EQ(busy.Font->Weight, 400);
    EXPECT_EQ(busy.Font->CharSet, 134);
    EXPECT_EQ(busy.Font->faceName(), "宋体");
    EXPECT_EQ(dataSize(main::kBusyLabel), 170u);
}

TEST_F(ProgramBlock, ButtonsAndChoicesCarryTheirCaptions)
{
    EXPECT_EQ(options<rt::ButtonOptions>(main::kId, main::kOpenButton).Caption, "打开图片");
    EXPECT_EQ(options<rt::ButtonOptions>(main::kId, main::kPreviewButton).Caption, "预览");
    auto split = options<rt::ButtonOptions>(main::kId, main::kSplitButton);
    EXPECT_EQ(split.Caption, "分割");
    EXPECT_EQ(split.HorizontalAlign, 1);
    auto byCount = options<rt::RadioBoxOptions>(main::kId, main::kByCountRadio);
    EXPECT_EQ(byCount.Caption, "按数量分割");
    EXPECT_TRUE(byCount.Checked);
    auto bySize = options<rt::RadioBoxOptions>(main::kId, main::kBySizeRadio);
    EXPECT_EQ(bySize.Caption, "按尺寸分割");
    EXPECT_FALSE(bySize.Checked);
    auto resize = options<rt::CheckBoxOptions>(main::kId, main::kResizeCheck);
    EXPECT_EQ(resize.Caption, "改变图片尺寸");
    EXPECT_FALSE(resize.Checked);
    EXPECT_EQ(options<rt::GroupBoxOptions>(main::kId, main::kInfoGroup).Caption, "图片信息");
}

TEST_F(ProgramBlock, LinksAreUnderlinedAndStartEmpty)
{
    for (uint32_t id : {main::kLink1, main::kLink2, main::kLink3}) {
        auto link = options<rt::HyperLinkerOptions>(main::kId, id);
        EXPECT_EQ(link.LinkType, 0);
        EXPECT_EQ(link.NormalColour, 0u);
        EXPECT_EQ(link.VisitedColour, 0u);
        EXPECT_EQ(link.HoverColour, 0xfe9933u);
        EXPECT_EQ(link.Caption, "");
        EXPECT_EQ(link.WebAddress, "");
        ASSERT_TRUE(link.Font);
        EXPECT_EQ(link.Font->Height, -12);
        EXPECT_EQ(link.Font->Weight, 400);
        EXPECT_EQ(link.Font->Underline, 1);
        EXPECT_EQ(link.Font->CharSet, 134);
        EXPECT_EQ(link.Font->faceName(), "宋体");
        EXPECT_EQ(dataSize(id), 104u);
    }
}

TEST_F(ProgramBlock, DialogsOpenAndSavePictures)
{
    auto open = options<rt::CommonDlgOptions>(main::kId, main::kOpenDialog);
    auto save = options<rt::CommonDlgOptions>(main::kId, main::kSaveDialog);
    EXPECT_EQ(open.DialogType, 0);
    EXPECT_EQ(save.DialogType, 1);
    for (const rt::CommonDlgOptions& dialog : {open, save}) {
        EXPECT_EQ(dialog.Filter, kFilter);
        EXPECT_FALSE(dialog.NoChangeDir);
        EXPECT_TRUE(dialog.FileMustExist && dialog.OverwritePrompt && dialog.PathMustExist);
    }
    EXPECT_EQ(dataSize(main::kOpenDialog), 155u);
    EXPECT_EQ(dataSize(main::kSaveDialog), 155u);
}

TEST_F(ProgramBlock, BoardsHaveAFrameAndABitmap)
{
    for (uint32_t id : {main::kPreviewBoard, main::kCellBoard, main::kPictureBoard}) {
        auto board = options<rt::BoardOptions>(main::kId, id);
        EXPECT_EQ(board.Border, 5);
        EXPECT_TRUE(board.AutoRedraw);
        EXPECT_EQ(board.BackColour, 0xff000000u);
        EXPECT_EQ(board.CoordinateUnit, 0);
        EXPECT_EQ(board.PenType, 1);
        EXPECT_EQ(board.DrawMode, 12);
        EXPECT_EQ(board.BrushColour, 0xffffffu);
        EXPECT_EQ(board.TextBackColour, 0xff000000u);
        EXPECT_FALSE(board.Font);
    }
    EXPECT_EQ(dataSize(main::kCellBoard), 64u);
    EXPECT_EQ(dataSize(main::kPictureBoard), 64u);
    auto preview = options<rt::BoardOptions>(main::kId, main::kPreviewBoard);
    EXPECT_EQ(preview.BackPictureMode, 2);
    ASSERT_EQ(preview.BackPicture.size(), 37977u);
    EXPECT_EQ(preview.BackPicture[0], 0xff);
    EXPECT_EQ(preview.BackPicture[1], 0xd8);
    EXPECT_EQ(dataSize(main::kPreviewBoard), 64u + 37977u);
}

TEST_F(ProgramBlock, UnitsWithoutPropertyDataUseTheirKindsDefaults)
{
    const std::pair<uint32_t, uint32_t> empty[] = {
        {main::kId, main::kNoticeView},   {preview::kId, preview::kPageView}, {preview::kId, preview::kNoticeView},
        {main::kId, main::kProgressBar},  {main::kId, main::kResizeGroup},    {main::kId, main::kBySizeGroup},
        {main::kId, main::kByCountGroup}, {main::kId, main::kFeedbackLabel}};
    for (const auto& [window, id] : empty) {
        EXPECT_TRUE(unit(window, id).placed().propertyData.empty()) << std::hex << id;
    }
}

}  // namespace
