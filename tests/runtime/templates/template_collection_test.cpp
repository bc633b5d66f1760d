#include <gtest/gtest.h>

#include "runtime/templates/template_collection.h"
#include "runtime/templates/template_writer.h"
#include "test_blocks.h"

namespace {

rt::SubReturn Handler(const int32_t*, int) { return {}; }

const rt::ApplicationSub kSubs[] = {Handler, Handler, Handler, Handler};
const rt::CodeBase kCodeBase{kSubs, 4};

rt::TemplateCollection RichCollection()
{
    std::vector<uint8_t> bytes = rt::WriteTemplateBlock(test_blocks::RichBlock());
    std::optional<rt::TemplateCollection> collection =
        rt::LoadTemplateCollection(bytes.data(), bytes.size(), kCodeBase);
    EXPECT_TRUE(collection);
    return collection ? std::move(*collection) : rt::TemplateCollection{};
}

TEST(TemplateCollection, FindsWindowsByIdAndByPosition)
{
    rt::TemplateCollection collection = RichCollection();
    ASSERT_EQ(collection.windowCount(), 2u);
    EXPECT_EQ(collection.findWindow(0x52000010), collection.windowAt(0));
    EXPECT_EQ(collection.findWindow(0x52000020), collection.windowAt(1));
    EXPECT_EQ(collection.findWindow(0x52000030), nullptr);
    EXPECT_EQ(collection.windowAt(2), nullptr);
}

TEST(TemplateCollection, FindsUnitsByIdAndByPosition)
{
    rt::TemplateCollection collection = RichCollection();
    rt::WindowTemplate& window = *collection.windowAt(0);
    EXPECT_EQ(window.unitCount(), 6u);
    EXPECT_EQ(window.findUnit(0x16000014), window.unitAt(2));
    EXPECT_EQ(window.findUnitPosition(0x16000017), 5u);
    EXPECT_EQ(window.findUnit(0x16000099), nullptr);
    EXPECT_FALSE(window.findUnitPosition(0x16000099));
    EXPECT_EQ(window.unitAt(6), nullptr);
    EXPECT_EQ(window.liveSlots(6), nullptr);
}

TEST(TemplateCollection, TellsMenuItemPositions)
{
    rt::TemplateCollection collection = RichCollection();
    rt::WindowTemplate& window = *collection.windowAt(0);
    EXPECT_TRUE(window.isMenuItem(4));
    EXPECT_FALSE(window.isMenuItem(0));
    EXPECT_FALSE(window.isMenuItem(3));
    EXPECT_FALSE(window.isMenuItem(6));
}

TEST(TemplateCollection, LoadingResolvesBindings)
{
    rt::TemplateCollection collection = RichCollection();
    EXPECT_EQ(collection.windowAt(0)->unitAt(2)->placed().bindings[0].handler, &kSubs[0]);
}

TEST(TemplateCollection, LoadingRefusesCorruptBlocksAndForeignOffsets)
{
    std::vector<uint8_t> bytes = rt::WriteTemplateBlock(test_blocks::RichBlock());
    EXPECT_FALSE(rt::LoadTemplateCollection(bytes.data(), bytes.size() - 1, kCodeBase));
    const rt::CodeBase shorter{kSubs, 3};
    EXPECT_FALSE(rt::LoadTemplateCollection(bytes.data(), bytes.size(), shorter));
}

TEST(TemplateCollection, FollowsTheEventSourceChain)
{
    rt::TemplateCollection collection = RichCollection();
    rt::WindowTemplate& window = *collection.windowAt(0);
    EXPECT_EQ(window.bindingSourcePosition(3), 2u);
    EXPECT_EQ(window.bindingSourcePosition(2), 2u);
}

TEST(TemplateCollection, EventSourceLoopsInUncheckedListsEnd)
{
    std::vector<rt::UnitRecord> units = test_blocks::RichBlock().windows[0].units;
    units[2].eventSource = units[3].id;
    rt::WindowTemplate window(0x52000001, units);
    size_t source = window.bindingSourcePosition(3);
    EXPECT_TRUE(source == 2 || source == 3);
}

TEST(TemplateCollection, RestoringTheBackupForgetsRunTimeWritesAndLiveObjects)
{
    rt::TemplateCollection collection = RichCollection();
    rt::WindowTemplate& window = *collection.windowAt(0);
    int control = 0;
    int cursor = 0;

    window.saveBackup();
    window.setWindowObject(&control);
    window.liveSlots(2)->object = &control;
    window.liveSlots(2)->cursor = &cursor;
    window.unitAt(2)->placed().rect.left = 40000;
    window.unitAt(2)->placed().tag = "written";
    window.restoreBackup();

    EXPECT_EQ(window.unitAt(2)->placed().rect.left, 9);
    EXPECT_EQ(window.unitAt(2)->placed().tag, "");
    EXPECT_EQ(window.windowObject(), nullptr);
    EXPECT_EQ(window.liveSlots(2)->object, nullptr);
    EXPECT_EQ(window.liveSlots(2)->cursor, nullptr);
    EXPECT_FALSE(window.hasBackup());
}

TEST(TemplateCollection, WritesBeforeTheFirstLoadStayWithoutABackup)
{
    rt::TemplateCollection collection = RichCollection();
    rt::WindowTemplate& window = *collection.windowAt(0);
    window.unitAt(1)->placed().flags = 0;
    window.restoreBackup();
    EXPECT_EQ(window.unitAt(1)->placed().flags, 0u);
}

TEST(TemplateCollection, EachLoadStartsFromTheStoredValues)
{
    rt::TemplateCollection collection = RichCollection();
    rt::WindowTemplate& window = *collection.windowAt(0);
    for (int load = 0; load < 2; ++load) {
        window.saveBackup();
        EXPECT_EQ(window.unitAt(3)->placed().flags, rt::kUnitDisabled);
        window.unitAt(3)->placed().flags = rt::kUnitVisible;
        window.restoreBackup();
    }
    EXPECT_EQ(window.unitAt(3)->placed().flags, rt::kUnitDisabled);
}

}  // namespace
