#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "pictures/decoding/picture_list.h"

namespace pictures {
namespace {

// A 2 x 1 BMP-kind picture whose every data byte is fill.
Picture* NewPicture(uint8_t fill)
{
    HeapBlock data = AllocateBlock(6);
    std::fill_n(data.get(), 6, fill);
    return MakePicture(PictureKind::kBmp, 2, 1, std::move(data), 6).release();
}

class PictureListTest : public ::testing::Test {
protected:
    void TearDown() override { ReleaseAllPictures(); }
};

TEST_F(PictureListTest, RegisterUnregisterAndMembership)
{
    Picture* picture = NewPicture(1);
    EXPECT_FALSE(IsPictureRegistered(picture));
    EXPECT_TRUE(RegisterPicture(picture));
    EXPECT_TRUE(IsPictureRegistered(picture));
    EXPECT_TRUE(UnregisterPicture(picture));
    EXPECT_FALSE(IsPictureRegistered(picture));
}

TEST_F(PictureListTest, RegisteringTwiceKeepsOneEntry)
{
    Picture* picture = NewPicture(1);
    EXPECT_TRUE(RegisterPicture(picture));
    EXPECT_TRUE(RegisterPicture(picture));
    EXPECT_TRUE(UnregisterPicture(picture));
    EXPECT_FALSE(IsPictureRegistered(picture));
    EXPECT_FALSE(UnregisterPicture(picture)) << "freed once only";
}

TEST_F(PictureListTest, UnknownHandlesAreNotInTheList)
{
    Picture* registered = NewPicture(1);
    RegisterPicture(registered);
    Picture stranger{};
    EXPECT_FALSE(IsPictureRegistered(&stranger));
    EXPECT_FALSE(IsPictureRegistered(nullptr));
    EXPECT_FALSE(UnregisterPicture(&stranger)) << "a record the list does not own is not freed";
    EXPECT_EQ(AcquirePicture(&stranger), nullptr);
    EXPECT_FALSE(RegisterPicture(nullptr));
}

TEST_F(PictureListTest, HeldPictureOutlivesItsUnloading)
{
    Picture* picture = NewPicture(7);
    RegisterPicture(picture);
    PictureRef held = AcquirePicture(picture);
    ASSERT_EQ(held.get(), picture);
    EXPECT_TRUE(UnregisterPicture(picture));
    EXPECT_FALSE(IsPictureRegistered(picture));
    EXPECT_EQ(AcquirePicture(picture), nullptr);
    // Still whole while held: freeing it under the holder would be caught by the address sanitizer.
    EXPECT_EQ(held->kind, PictureKind::kBmp);
    EXPECT_EQ(held->data[5], 7);
    held.reset();
}

TEST_F(PictureListTest, ReleaseAllEmptiesTheList)
{
    Picture* a = NewPicture(1);
    Picture* b = NewPicture(2);
    RegisterPicture(a);
    RegisterPicture(b);
    ReleaseAllPictures();
    EXPECT_FALSE(IsPictureRegistered(a));
    EXPECT_FALSE(IsPictureRegistered(b));
}

// Loaders register and unload pictures while drawers validate handles and read the pictures, as
// worker threads and the window thread do.
TEST_F(PictureListTest, LoadersAndDrawersOnManyThreads)
{
    constexpr int kRounds = 2000;
    constexpr int kSlots = 8;
    std::atomic<Picture*> slots[kSlots];
    for (auto& slot : slots) slot = nullptr;
    std::atomic<bool> wrongPixel{false};
    std::atomic<int> drawn{0};
    std::atomic<int> loadersRunning{2};

    auto loader = [&](int first) {
        for (int round = 0; round < kRounds; ++round) {
            int slot = (first + round) % kSlots;
            Picture* picture = NewPicture(static_cast<uint8_t>(round));
            RegisterPicture(picture);
            Picture* old = slots[slot].exchange(picture);
            if (old) UnregisterPicture(old);
        }
        --loadersRunning;
    };
    auto drawer = [&]() {
        // Drawing goes on while the loaders run, so that the two really overlap.
        for (int round = 0; loadersRunning > 0 || round < kRounds * 2; ++round) {
            int slot = round % kSlots;
            // A handle may be unloaded, and its address reused, between reading it and validating
            // it; whatever picture it names then must be whole while held.
            if (PictureRef picture = AcquirePicture(slots[slot].load())) {
                if (picture->kind != PictureKind::kBmp || picture->dataSize != 6) wrongPixel = true;
                for (uint32_t i = 0; i < picture->dataSize; ++i) {
                    if (picture->data[i] != picture->data[0]) wrongPixel = true;
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
    EXPECT_FALSE(wrongPixel);
    EXPECT_GT(drawn, 0);
}

}  // namespace
}  // namespace pictures
