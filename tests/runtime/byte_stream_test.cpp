#include <gtest/gtest.h>

#include "runtime/byte_stream.h"

TEST(ByteReader, ReadsLittleEndianAndStopsAtTheEnd)
{
    const uint8_t bytes[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07};
    rt::MemoryStream stream(bytes, sizeof bytes);
    rt::ByteReader reader(stream);
    EXPECT_EQ(reader.u32(), 0x04030201u);
    EXPECT_EQ(reader.u16(), 0x0605);
    EXPECT_EQ(reader.tell(), 6u);
    EXPECT_EQ(reader.u16(), 0);  // only one byte left: the read fails and gives zeros
    EXPECT_FALSE(reader.ok());
    EXPECT_EQ(reader.u8(), 0);  // and the failure sticks
}

TEST(ByteReader, SkipAndSeekRefusePositionsPastTheEnd)
{
    const uint8_t bytes[8] = {};
    rt::MemoryStream stream(bytes, sizeof bytes);
    rt::ByteReader reader(stream);
    EXPECT_TRUE(reader.skip(8));
    EXPECT_EQ(reader.remaining(), 0u);
    EXPECT_FALSE(reader.skip(1));
    rt::MemoryStream again(bytes, sizeof bytes);
    rt::ByteReader second(again);
    EXPECT_FALSE(second.seek(9));
}
