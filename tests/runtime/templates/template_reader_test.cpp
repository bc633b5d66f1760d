#include <gtest/gtest.h>

#include "runtime/templates/template_reader.h"
#include "runtime/templates/template_writer.h"
#include "test_blocks.h"

namespace {

using test_blocks::Patch32;
using test_blocks::SmallBlock;
namespace at = test_blocks::at;

std::optional<rt::TemplateBlock> Read(const std::vector<uint8_t>& bytes)
{
    return rt::ReadTemplateBlock(bytes.data(), bytes.size());
}

TEST(TemplateReader, ReadsEveryFieldOfTheSmallestBlock)
{
    std::optional<rt::TemplateBlock> block = Read(SmallBlock());
    ASSERT_TRUE(block);
    ASSERT_EQ(block->windows.size(), 1u);
    const rt::WindowRecord& window = block->windows[0];
    EXPECT_EQ(window.id, 0x52000001u);
    EXPECT_EQ(window.secondId, 0x19000002u);
    ASSERT_EQ(window.units.size(), 1u);
    const rt::UnitRecord& unit = window.units[0];
    EXPECT_EQ(unit.id, 0x06000003u);
    EXPECT_EQ(unit.kind, 0x00010001u);
    EXPECT_EQ(unit.name, "");
    ASSERT_FALSE(unit.isMenuItem());
    const rt::PlacedUnit& placed = unit.placed();
    EXPECT_EQ(placed.rect, (rt::UnitRect{50, 50, 602, 489}));
    EXPECT_EQ(placed.container, 0u);
    EXPECT_TRUE(placed.children.empty());
    EXPECT_EQ(placed.mousePointer, (std::vector<uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(placed.flags, rt::kUnitVisible);
    ASSERT_EQ(placed.bindings.size(), 1u);
    EXPECT_EQ(placed.bindings[0].event, 0);
    EXPECT_EQ(placed.bindings[0].subOffset, 0u);
    // The fixed fields end where the property data begins: the last two bytes of the record.
    EXPECT_EQ(placed.propertyData, (std::vector<uint8_t>{'A', 'B'}));
}

TEST(TemplateReader, PropertyDataIsTheRestOfTheRecord)
{
    std::vector<uint8_t> bytes = SmallBlock();
    bytes.resize(at::kPropertyData);
    Patch32(bytes, at::kListLength, 123);
    Patch32(bytes, at::kRecordLength, 111);
    std::optional<rt::TemplateBlock> block = Read(bytes);
    ASSERT_TRUE(block);
    EXPECT_TRUE(block->windows[0].units[0].placed().propertyData.empty());
}

TEST(TemplateReader, AnEmptyIndexIsABlockWithoutWindows)
{
    std::vector<uint8_t> bytes = {0, 0, 0, 0};
    std::optional<rt::TemplateBlock> block = Read(bytes);
    ASSERT_TRUE(block);
    EXPECT_TRUE(block->windows.empty());
}

TEST(TemplateReader, ReadsWhatTheWriterWrote)
{
    rt::TemplateBlock rich = test_blocks::RichBlock();
    std::optional<rt::TemplateBlock> block = Read(rt::WriteTemplateBlock(rich));
    ASSERT_TRUE(block);
    EXPECT_EQ(*block, rich);
    const rt::UnitRecord& item = block->windows[0].units[4];
    ASSERT_TRUE(item.isMenuItem());
    EXPECT_EQ(item.menuItem().caption, "&File");
    EXPECT_EQ(item.menuItem().itemFlags, rt::kMenuItemChecked);
}

TEST(TemplateReader, RefusesEveryTruncation)
{
    for (const std::vector<uint8_t>& whole : {SmallBlock(), rt::WriteTemplateBlock(test_blocks::RichBlock())}) {
        for (size_t size = 0; size < whole.size(); ++size) {
            EXPECT_FALSE(rt::ReadTemplateBlock(whole.data(), size)) << "size " << size;
        }
    }
}

TEST(TemplateReader, RefusesBytesAfterTheLastWindow)
{
    std::vector<uint8_t> bytes = SmallBlock();
    bytes.push_back(0);
    EXPECT_FALSE(Read(bytes));
}

// Each case changes one stored word of the smallest block.
struct Corruption {
    const char* what;
    size_t position;
    uint32_t value;
};

class TemplateReaderCorruption : public testing::TestWithParam<Corruption> {};

TEST_P(TemplateReaderCorruption, IsRefused)
{
    std::vector<uint8_t> bytes = SmallBlock();
    Patch32(bytes, GetParam().position, GetParam().value);
    EXPECT_FALSE(Read(bytes));
}

INSTANTIATE_TEST_SUITE_P(Counts, TemplateReaderCorruption,
                         testing::Values(Corruption{"IndexNotAMultipleOf8", at::kIndexLength, 12},
                                         Corruption{"IndexPastTheEnd", at::kIndexLength, 0xfffffff8},
                                         Corruption{"MoreWindowsThanRecords", at::kIndexLength, 16},
                                         Corruption{"TextPastTheEnd", at::kFirstText, 0x7fffffff},
                                         Corruption{"NoUnits", at::kUnitCount, 0},
                                         Corruption{"MoreUnitsThanTheListHolds", at::kUnitCount, 0x40000000},
                                         Corruption{"TwoUnitsOneRecord", at::kUnitCount, 2},
                                         Corruption{"ListPastTheEnd", at::kListLength, 126},
                                         Corruption{"ListShorterThanItsRecord", at::kListLength, 124},
                                         Corruption{"OffsetPastTheFirstRecord", at::kOffset, 4},
                                         Corruption{"OffsetOutsideTheList", at::kOffset, 0xffffff00},
                                         Corruption{"RecordPastTheList", at::kRecordLength, 114},
                                         Corruption{"RecordShorterThanItsFields", at::kRecordLength, 20},
                                         Corruption{"ChildrenPastTheRecord", at::kChildCount, 0x40000000},
                                         Corruption{"PointerDataPastTheRecord", at::kPointerLength, 0xffffffff},
                                         Corruption{"BindingsPastTheRecord", at::kEventCount, 0x20000000},
                                         Corruption{"BindingsOverTheReservedWords", at::kEventCount, 3}),
                         [](const testing::TestParamInfo<Corruption>& info) { return std::string(info.param.what); });

INSTANTIATE_TEST_SUITE_P(Ids, TemplateReaderCorruption,
                         testing::Values(Corruption{"WindowIdOfUnitClass", at::kWindowId, 0x16000001},
                                         Corruption{"WindowIdWithoutSerial", at::kWindowId, 0x52000000},
                                         Corruption{"WindowUnitIdOfUnitClass", at::kUnitId, 0x16000003},
                                         Corruption{"WindowUnitIdWithoutSerial", at::kUnitId, 0x06000000},
                                         Corruption{"WindowUnitIsAMenuItem", at::kKind, 0x00010003},
                                         Corruption{"WindowUnitInsideAContainer", at::kContainer, 0x16000009}),
                         [](const testing::TestParamInfo<Corruption>& info) { return std::string(info.param.what); });

TEST(TemplateReader, NamesEndAtTheirTerminator)
{
    std::vector<uint8_t> bytes = SmallBlock();
    // Without its terminator the name runs into the remark and every later field shifts by one.
    bytes[at::kName] = 'x';
    EXPECT_FALSE(Read(bytes));
}

// Each case changes one unit of the rich block.
struct UnitChange {
    const char* what;
    void (*change)(std::vector<rt::UnitRecord>& units);
};

class TemplateReaderInconsistentUnits : public testing::TestWithParam<UnitChange> {};

TEST_P(TemplateReaderInconsistentUnits, AreRefused)
{
    rt::TemplateBlock block = test_blocks::RichBlock();
    GetParam().change(block.windows[0].units);
    EXPECT_FALSE(Read(rt::WriteTemplateBlock(block)));
}

INSTANTIATE_TEST_SUITE_P(
    References, TemplateReaderInconsistentUnits,
    testing::Values(
        UnitChange{"DuplicateUnitId", [](auto& units) { units[3].id = units[2].id; }},
        UnitChange{"UnitWithTheWindowUnitClass", [](auto& units) { units[2].id = 0x06000099; }},
        UnitChange{"MenuItemWithAUnitId", [](auto& units) { units[4].id = 0x16000099; }},
        UnitChange{"UnitWithAMenuItemId", [](auto& units) { units[5].id = 0x26000099; }},
        UnitChange{"ContainerMissing", [](auto& units) { units[2].placed().container = 0x16000099; }},
        UnitChange{"ContainerIsItself", [](auto& units) { units[2].placed().container = units[2].id; }},
        UnitChange{"ContainerIsTheWindowUnit", [](auto& units) { units[2].placed().container = units[0].id; }},
        UnitChange{"ContainerIsAMenuItem", [](auto& units) { units[2].placed().container = units[4].id; }},
        UnitChange{"ContainersInALoop", [](auto& units) { units[1].placed().container = units[2].id; }},
        UnitChange{"ChildMissing", [](auto& units) { units[1].placed().children.push_back(0x16000099); }},
        UnitChange{"ChildIsTheWindowUnit", [](auto& units) { units[1].placed().children.push_back(units[0].id); }},
        UnitChange{"EventSourceIsItself", [](auto& units) { units[3].eventSource = units[3].id; }},
        UnitChange{"EventSourcesInALoop", [](auto& units) { units[2].eventSource = units[3].id; }}),
    [](const testing::TestParamInfo<UnitChange>& info) { return std::string(info.param.what); });

TEST(TemplateReader, RefusesDuplicateWindowIds)
{
    rt::TemplateBlock block = test_blocks::RichBlock();
    block.windows[1].id = block.windows[0].id;
    EXPECT_FALSE(Read(rt::WriteTemplateBlock(block)));
}

TEST(TemplateReader, EventSourcesOfAnotherKindOrMissingEndTheChain)
{
    rt::TemplateBlock block = test_blocks::RichBlock();
    block.windows[0].units[3].eventSource = block.windows[0].units[5].id;  // an EditBox, not a Button
    block.windows[0].units[5].eventSource = block.windows[0].units[3].id;
    block.windows[0].units[2].eventSource = 0x16000099;
    EXPECT_TRUE(Read(rt::WriteTemplateBlock(block)));
}

TEST(TemplateReader, RefusesBytesAfterAMenuItem)
{
    // One window holding its own unit and, last, a menu item: the item's record ends the block.
    rt::TemplateBlock block;
    rt::WindowRecord& window = block.windows.emplace_back();
    window.id = 0x52000001;
    window.units.push_back(test_blocks::PlacedRecord(0x06000002, 0x00010001, ""));
    rt::UnitRecord item;
    item.id = 0x26000003;
    item.kind = 0x00010003;
    item.body = rt::MenuItem{};
    window.units.push_back(item);
    std::vector<uint8_t> bytes = rt::WriteTemplateBlock(block);
    ASSERT_TRUE(Read(bytes));

    // Lengths of the list (at 32) and of the item's record (at 52 + its offset, stored at 48) grown by
    // one byte that follows the item's fields.
    const size_t listLength = 32;
    const size_t itemLength = 52 + bytes[48];
    bytes.push_back(0);
    Patch32(bytes, listLength, bytes[listLength] + 1u);
    Patch32(bytes, itemLength, bytes[itemLength] + 1u);
    EXPECT_FALSE(Read(bytes));
}

}  // namespace
