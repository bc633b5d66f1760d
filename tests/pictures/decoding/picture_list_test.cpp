#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "pictures/decoding/picture_list.h"

namespace pictures {
namespace {

// A 2 x 1 BMP-kind picture whose every data byte is fill.
OwnedPicture NewPicture(uint8_t fill)
{
    HeapBlock data = AllocateBlock(6);
    std::fill_n(data.get(), 6, fill);
    return MakePicture(PictureKind::kBmp, 2, 1, std::move(data), 6);
}

class PictureListTest : public ::testing::Test {
protected:
    void TearDown() override { ReleaseAllPictures(); }
};

TEST_F(PictureListTest, RegisterUnregisterAndMembership)
{
    const int32_t handle = RegisterPicture(NewPicture(1));
    ASSERT_GT(handle, 0);
    EXPECT_TRUE(IsPictureRegistered(handle));
    EXPECT_EQ(AcquirePicture(handle)->data[0], 1);
    EXPECT_TRUE(UnregisterPicture(handle));
    EXPECT_FALSE(IsPictureRegistered(handle));
    EXPECT_FALSE(UnregisterPicture(handle)) << "freed once only";
}

TEST_F(PictureListTest, UnknownHandlesNameNothing)
{
    const int32_t handle = RegisterPicture(NewPicture(1));
    for (int32_t unknown : {0, -1, handle + 1, INT32_MAX}) {
        EXPECT_FALSE(IsPictureRegistered(unknown));
        EXPECT_FALSE(UnregisterPicture(unknown));
        EXPECT_EQ(AcquirePicture(unknown), nullptr);
    }
    EXPECT_EQ(RegisterPicture(nullptr), 0);
    EXPECT_TRUE(IsPictureRegistered(handle));
}

TEST_F(PictureListTest, ARecordTheListOwnsIsFoundByItsAddress)
{
    const int32_t handle = RegisterPicture(NewPicture(1));
    const Picture stranger{};
    EXPECT_EQ(HandleOfRegisteredPicture(AcquirePicture(handle).get()), handle);
    EXPECT_EQ(HandleOfRegisteredPicture(&stranger), 0);
    EXPECT_EQ(HandleOfRegisteredPicture(nullptr), 0);
}

// An unloaded handle never names the picture loaded after it, wherever the new record lies.
TEST_F(PictureListTest, AHandleOutlivedByItsPictureNamesNothingAfterAReload)
{
    const int32_t first = RegisterPicture(NewPicture(1));
    ASSERT_TRUE(UnregisterPicture(first));
    const int32_t second = RegisterPicture(NewPicture(2));
    EXPECT_NE(second, first);
    EXPECT_EQ(AcquirePicture(first), nullptr);
    EXPECT_EQ(AcquirePicture(second)->data[0], 2);
}

TEST_F(PictureListTest, HeldPictureOutlivesItsUnloading)
{
    const int32_t handle = RegisterPicture(NewPicture(7));
    PictureRef held = AcquirePicture(handle);
    ASSERT_NE(held, nullptr);
    EXPECT_TRUE(UnregisterPicture(handle));
    EXPECT_EQ(AcquirePicture(handle), nullptr);
    // Still whole while held: freeing it under the holder would be caught by the address sanitizer.
    EXPECT_EQ(held->kind, PictureKind::kBmp);
    EXPECT_EQ(held->data[5], 7);
}

TEST_F(PictureListTest, ReleaseAllEmptiesTheList)
{
    const int32_t a = RegisterPicture(NewPicture(1));
    const int32_t b = RegisterPicture(NewPicture(2));
    ReleaseAllPictures();
    EXPECT_FALSE(IsPictureRegistered(a));
    EXPECT_FALSE(IsPictureRegistered(b));
}

// Loaders register and unload pictures while drawers acquire them by handle, as worker threads
// and the window thread do. Each slot holds a handle with the fill of the picture it was given
// for: a drawer must get that very picture or none, never a newer one at a reused address.
TEST_F(PictureListTest, LoadersAndDrawersOnManyThreads)
{
    constexpr int kRounds = 2000;
    constexpr int kSlots = 8;
    std::atomic<uint64_t> slots[kSlots];
    for (auto& slot : slots) slot = 0;
    std::atomic<bool> wrongPicture{false};
    std::atomic<int> drawn{0};
    std::atomic<int> loadersRunning{2};

    auto loader = [&](int first) {
        for (int round = 0; round < kRounds; ++round) {
            const int slot = (first + round) % kSlots;
            const auto fill = static_cast<uint8_t>(round);
            const int32_t handle = RegisterPicture(NewPicture(fill));
            const uint64_t old = slots[slot].exchange(static_cast<uint64_t>(handle) << 8 | fill);
            if (old) UnregisterPicture(static_cast<int32_t>(old >> 8));
        }
        --loadersRunning;
    };
    auto drawer = [&]() {
        // Drawing goes on while the loaders run, so that the two really overlap.
        for (int round = 0; loadersRunning > 0 || round < kRounds * 2; ++round) {
            const uint64_t entry = slots[round % kSlots].load();
            if (PictureRef picture = AcquirePicture(static_cast<int32_t>(entry >> 8))) {
                for (uint32_t i = 0; i < picture->dataSize; ++i) {
                    if (picture->data[i] != static_cast<uint8_t>(entry)) wrongPicture = true;
                }
                ++drawn;
            }
        }
    };
    std::vector<std::thread> threads;
    threads.emplace_back(loader, 0);
    threads.emplace_back(loader, 3);
    threads.emplace_back(drawer);
    threads.emplace_back(drawer);
    for (std::thread& t : threads) t.join();
    EXPECT_FALSE(wrongPicture);
    EXPECT_GT(drawn, 0);
}

}  // namespace
}  // namespace pictures
