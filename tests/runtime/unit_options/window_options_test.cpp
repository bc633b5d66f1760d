// The window's property data holds more fields with each version up to 6.
#include <gtest/gtest.h>

#include "runtime/unit_options/option_fields.h"
#include "runtime/unit_options/window_options.h"
#include "property_bytes.h"

namespace {

// The thirteen fields of every version, each non-default: Border 4, BackPictureMode 3, BackColour
// 0x123456, MaxButton 1, MinButton 1, ControlBox 0, StartPosition 3, Movable 0, PlayCount 2,
// EnterMovesFocus 1, EscCloses 0, F1Help 1, HelpContext 77.
PropertyBytes Base(uint32_t version)
{
    PropertyBytes bytes;
    bytes.u32(version).u32(4).u32(3).u32(0x123456).u32(1).u32(1).u32(0).u32(3);
    bytes.u32(0).u32(2).u32(1).u32(0).u32(1).u32(77);
    return bytes;
}

// The fields after the version-dependent ones: BackPicture, WindowIcon, BackMusic, Title, HelpFile.
void Tail(PropertyBytes& bytes) { bytes.text("pic").text("ico").text("mus").text("title").text("help"); }

rt::WindowOptions Read(const PropertyBytes& bytes)
{
    std::optional<rt::WindowOptions> options = rt::ReadOptions<rt::WindowOptions>(bytes.data);
    EXPECT_TRUE(options);
    return options.value_or(rt::WindowOptions{});
}

void ExpectBase(const rt::WindowOptions& o)
{
    EXPECT_EQ(o.Border, 4);
    EXPECT_EQ(o.BackPictureMode, 3);
    EXPECT_EQ(o.BackColour, 0x123456u);
    EXPECT_TRUE(o.MaxButton);
    EXPECT_TRUE(o.MinButton);
    EXPECT_FALSE(o.ControlBox);
    EXPECT_EQ(o.StartPosition, 3);
    EXPECT_FALSE(o.Movable);
    EXPECT_EQ(o.PlayCount, 2);
    EXPECT_TRUE(o.EnterMovesFocus);
    EXPECT_FALSE(o.EscCloses);
    EXPECT_TRUE(o.F1Help);
    EXPECT_EQ(o.HelpContext, 77);
    EXPECT_EQ(o.BackPicture, (std::vector<uint8_t>{'p', 'i', 'c'}));
    EXPECT_EQ(o.WindowIcon, (std::vector<uint8_t>{'i', 'c', 'o'}));
    EXPECT_EQ(o.BackMusic, (std::vector<uint8_t>{'m', 'u', 's'}));
    EXPECT_EQ(o.Title, "title");
    EXPECT_EQ(o.HelpFile, "help");
}

TEST(WindowOptions, VersionsZeroAndOneHoldOnlyTheBaseFields)
{
    for (uint32_t version : {0u, 1u}) {
        PropertyBytes bytes = Base(version);
        Tail(bytes);
        rt::WindowOptions o = Read(bytes);
        ExpectBase(o);
        EXPECT_TRUE(o.ShowInTaskbar);
        EXPECT_FALSE(o.DragAnywhere);
    }
}

TEST(WindowOptions, EachVersionAddsItsFields)
{
    PropertyBytes v2 = Base(2);
    v2.u32(0);
    Tail(v2);
    rt::WindowOptions o2 = Read(v2);
    ExpectBase(o2);
    EXPECT_FALSE(o2.ShowInTaskbar);
    EXPECT_EQ(o2.Shape, 0);

    PropertyBytes v3 = Base(3);
    v3.u32(0).u32(1).u32(5);
    Tail(v3);
    rt::WindowOptions o3 = Read(v3);
    ExpectBase(o3);
    EXPECT_TRUE(o3.DragAnywhere);
    EXPECT_EQ(o3.Shape, 5);
    EXPECT_FALSE(o3.AlwaysOnTop);

    PropertyBytes v4 = Base(4);
    v4.u32(0).u32(1).u32(5).u32(1);
    Tail(v4);
    rt::WindowOptions o4 = Read(v4);
    ExpectBase(o4);
    EXPECT_TRUE(o4.AlwaysOnTop);
    EXPECT_FALSE(o4.KeepTitleActive);

    PropertyBytes v5 = Base(5);
    v5.u32(0).u32(1).u32(5).u32(1).u32(1);
    Tail(v5);
    rt::WindowOptions o5 = Read(v5);
    ExpectBase(o5);
    EXPECT_TRUE(o5.KeepTitleActive);
    EXPECT_EQ(o5.ClassName, "");

    PropertyBytes v6 = Base(6);
    v6.u32(0).u32(1).u32(5).u32(1).u32(1).text("class");
    Tail(v6);
    rt::WindowOptions o6 = Read(v6);
    ExpectBase(o6);
    EXPECT_FALSE(o6.ShowInTaskbar);
    EXPECT_TRUE(o6.KeepTitleActive);
    EXPECT_EQ(o6.ClassName, "class");
}

TEST(WindowOptions, AnOlderVersionWrittenAgainBecomesVersionSix)
{
    PropertyBytes v3 = Base(3);
    v3.u32(0).u32(1).u32(5);
    Tail(v3);
    rt::WindowOptions o3 = Read(v3);
    std::vector<uint8_t> written = rt::WriteOptions(o3);
    EXPECT_EQ(written[0], 6);
    EXPECT_EQ(written.size(), v3.data.size() + 4 + 4 + 4);
    EXPECT_EQ(Read(PropertyBytes{written}), o3);
}

}  // namespace
