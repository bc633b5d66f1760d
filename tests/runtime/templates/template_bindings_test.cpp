#include <gtest/gtest.h>

#include "runtime/templates/template_bindings.h"
#include "test_blocks.h"

namespace {

rt::SubReturn First(const int32_t*, int) { return rt::Returns(1); }
rt::SubReturn Second(const int32_t*, int) { return rt::Returns(2); }
rt::SubReturn Third(const int32_t*, int) { return rt::Returns(3); }
rt::SubReturn Fourth(const int32_t*, int) { return rt::Returns(4); }

const rt::ApplicationSub kSubs[] = {First, Second, Third, Fourth};
const rt::CodeBase kCodeBase{kSubs, 4};

TEST(TemplateBindings, ResolveOffsetsToCodeBaseEntries)
{
    rt::TemplateBlock block = test_blocks::RichBlock();
    ASSERT_TRUE(rt::ResolveBindings(block, kCodeBase));
    const std::vector<rt::UnitRecord>& units = block.windows[0].units;
    // Offset 0 is a real handler, the first entry; 0xffffffff is none.
    EXPECT_EQ(units[2].placed().bindings[0].handler, &kSubs[0]);
    EXPECT_EQ(units[2].placed().bindings[1].handler, &kSubs[1]);
    EXPECT_EQ(units[0].placed().bindings[0].handler, &kSubs[3]);
    EXPECT_EQ(units[0].placed().bindings[1].handler, nullptr);
    EXPECT_EQ(units[4].menuItem().clickHandler, &kSubs[2]);
    EXPECT_EQ((*units[2].placed().bindings[0].handler)(nullptr, 0).value, 1);
}

TEST(TemplateBindings, RefuseAnOffsetPastTheCodeBase)
{
    rt::TemplateBlock block = test_blocks::RichBlock();
    block.windows[0].units[2].placed().bindings[1].subOffset = 4;
    EXPECT_FALSE(rt::ResolveBindings(block, kCodeBase));
}

TEST(TemplateBindings, RefuseAMenuItemOffsetPastTheCodeBase)
{
    rt::TemplateBlock block = test_blocks::RichBlock();
    block.windows[0].units[4].menuItem().clickSubOffset = 0xfffffffe;
    EXPECT_FALSE(rt::ResolveBindings(block, kCodeBase));
}

TEST(TemplateBindings, AnEmptyCodeBaseTakesOnlyUnboundEvents)
{
    const rt::CodeBase empty{nullptr, 0};
    rt::TemplateBlock block = test_blocks::RichBlock();
    EXPECT_FALSE(rt::ResolveBindings(block, empty));
    rt::TemplateBlock unbound = test_blocks::RichBlock();
    unbound.windows[0].units.resize(2);
    unbound.windows[0].units[0].placed().bindings = {{0, rt::kNoSubOffset}};
    EXPECT_TRUE(rt::ResolveBindings(unbound, empty));
}

}  // namespace
