// LoadPicture and UnloadPicture: handles that fit a 32-bit integer, registration in the live picture
// list, and safe answers for bad input and stale handles.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "command_call.h"
#include "commands/core/picture_commands.h"
#include "pictures/decoding/picture_list.h"
#include "runtime/numbered_table.h"

namespace {

using Bytes = std::vector<uint8_t>;

void PutWord(Bytes& out, uint32_t value, int size)
{
    for (int i = 0; i < size; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A 24-bit BMP of 2 × 1 pixels: red, then blue.
Bytes TwoPixelBmp()
{
    Bytes bmp{'B', 'M'};
    PutWord(bmp, 54 + 8, 4);
    PutWord(bmp, 0, 4);
    PutWord(bmp, 54, 4);
    PutWord(bmp, 40, 4);
    PutWord(bmp, 2, 4);
    PutWord(bmp, 1, 4);
    PutWord(bmp, 1, 2);
    PutWord(bmp, 24, 2);
    for (int i = 0; i < 6; ++i) PutWord(bmp, 0, 4);
    bmp.insert(bmp.end(), {0, 0, 255, 255, 0, 0, 0, 0});
    return bmp;
}

int32_t Load(const rt::ValueTriple& source) { return test::Call(rt::commands::LoadPictureCommand, {source}).integer(); }
void Unload(int32_t handle) { test::Call(rt::commands::UnloadPictureCommand, {rt::MakeInt(handle)}); }

struct PictureCommandsTest : ::testing::Test {
    void TearDown() override { pictures::ReleaseAllPictures(); }
};

TEST_F(PictureCommandsTest, LoadFromBytesRegistersThePictureUnderASmallHandle)
{
    test::ByteSetArg bytes(TwoPixelBmp());
    test::CommandResult result = test::Call(rt::commands::LoadPictureCommand, {bytes.triple()});
    ASSERT_EQ(result.type(), rt::kInt);
    int32_t handle = result.integer();
    ASSERT_GT(handle, 0);
    pictures::PictureRef picture = pictures::AcquirePicture(handle);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->kind, pictures::PictureKind::kBmp);
    EXPECT_EQ(picture->width, 2);
    EXPECT_EQ(picture->height, 1);
}

TEST_F(PictureCommandsTest, LoadFromAFileDecodesByContentNotByName)
{
    const char* path = "core_commands_picture.jpg";
    Bytes bmp = TwoPixelBmp();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bmp.data()), std::streamsize(bmp.size()));
    int32_t handle = Load(test::Text(path));
    std::remove(path);
    ASSERT_GT(handle, 0);
    EXPECT_EQ(pictures::AcquirePicture(handle)->kind, pictures::PictureKind::kBmp);
}

TEST_F(PictureCommandsTest, EmptyOrUndecodableInputGivesZero)
{
    test::ByteSetArg noPicture(std::string("not a picture at all"));
    const rt::ValueTriple sources[] = {
        noPicture.triple(), rt::MakePointerValue(nullptr, rt::kByteSet),
        test::Text(""),     test::Text("no_such_picture_file.bmp"),
        rt::MakeInt(5),     {},
    };
    for (const rt::ValueTriple& source : sources) EXPECT_EQ(Load(source), 0);
}

TEST_F(PictureCommandsTest, EachLoadGetsItsOwnHandle)
{
    test::ByteSetArg bytes(TwoPixelBmp());
    int32_t first = Load(bytes.triple());
    int32_t second = Load(bytes.triple());
    EXPECT_NE(first, second);
    EXPECT_NE(pictures::AcquirePicture(first), pictures::AcquirePicture(second));
}

TEST_F(PictureCommandsTest, UnloadRemovesThePictureAndTheHandleGoesStale)
{
    test::ByteSetArg bytes(TwoPixelBmp());
    int32_t handle = Load(bytes.triple());
    Unload(handle);
    EXPECT_FALSE(pictures::IsPictureRegistered(handle));
    // A stale, unknown or zero handle does nothing; a later load does not reuse the number.
    Unload(handle);
    Unload(0);
    Unload(-3);
    test::Call(rt::commands::UnloadPictureCommand, {test::Text("1")});
    EXPECT_NE(Load(bytes.triple()), handle);
}

TEST_F(PictureCommandsTest, ThreadsLoadAndUnloadAtTheSameTime)
{
    test::ByteSetArg bytes(TwoPixelBmp());
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&bytes] {
            for (int i = 0; i < 50; ++i) {
                int32_t handle = Load(bytes.triple());
                EXPECT_TRUE(pictures::IsPictureRegistered(handle));
                Unload(handle);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
}

TEST(NumberedTable, NumbersWrapPastTheTopSkippingThoseInUse)
{
    rt::NumberedTable<int> table;
    EXPECT_EQ(table.Add(10), 1);
    table.SetNextNumber(INT32_MAX);
    EXPECT_EQ(table.Add(20), INT32_MAX);
    EXPECT_EQ(table.Add(30), 2);
    EXPECT_EQ(table.Find(1), 10);
    EXPECT_EQ(table.Remove(INT32_MAX), 20);
    EXPECT_FALSE(table.Find(INT32_MAX));
    table.Clear();
    EXPECT_FALSE(table.Find(1));
}

}  // namespace
