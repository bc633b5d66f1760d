// The owners' contracts that their users rely on: a selection puts back what the context held and
// selects nothing for a null object; a kernel handle owner counts INVALID_HANDLE_VALUE as empty and
// closes its handle exactly once, after any moves.
#include <gtest/gtest.h>

#include <windows.h>

#include <utility>

#include "runtime/win32/owned_handles.h"

namespace {

TEST(ScopedSelection, PutsThePreviousObjectBackAndSelectsNothingForNull)
{
    rt::MemoryDc dc(nullptr);
    ASSERT_TRUE(dc.get());
    HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_PEN);
    rt::UniquePen pen(CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
    {
        rt::ScopedSelection selection(dc.get(), pen.get());
        EXPECT_TRUE(selection.ok());
        EXPECT_EQ(selection.previous(), original);
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), pen.get());
        {
            rt::ScopedSelection none(dc.get(), nullptr);
            EXPECT_FALSE(none.ok());
        }
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), pen.get()) << "a null selection puts nothing back";
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), original);
}

TEST(ScopedSelection, ABitmapAnotherContextHoldsIsRefusedAndNothingIsPutBack)
{
    rt::MemoryDc holder(nullptr);
    rt::MemoryDc other(nullptr);
    rt::UniqueBitmap bitmap(CreateBitmap(4, 4, 1, 1, nullptr));
    rt::ScopedSelection held(holder.get(), bitmap.get());
    ASSERT_TRUE(held.ok());
    HGDIOBJ original = GetCurrentObject(other.get(), OBJ_BITMAP);
    {
        rt::ScopedSelection refused(other.get(), bitmap.get());
        EXPECT_FALSE(refused.ok());
    }
    EXPECT_EQ(GetCurrentObject(other.get(), OBJ_BITMAP), original);
    EXPECT_EQ(GetCurrentObject(holder.get(), OBJ_BITMAP), bitmap.get());
}

bool IsOpen(HANDLE handle)
{
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != FALSE;
}

TEST(UniqueHandle, AFailedOpenIsEmpty)
{
    rt::UniqueHandle missing(CreateFileW(L"C:\\zorvi-no-such-folder\\file.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.get(), nullptr);
}

TEST(UniqueHandle, ClosesOnceWhenItsLastOwnerGoesAndNotAfterRelease)
{
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_TRUE(event);
    {
        rt::UniqueHandle first(event);
        rt::UniqueHandle second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.get(), event);
        rt::UniqueHandle third;
        third = std::move(second);
        EXPECT_TRUE(IsOpen(event));
    }
    EXPECT_FALSE(IsOpen(event));

    HANDLE kept = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_TRUE(kept);
    {
        rt::UniqueHandle owner(kept);
        EXPECT_EQ(owner.release(), kept);
        EXPECT_FALSE(owner);
    }
    EXPECT_TRUE(IsOpen(kept));
    CloseHandle(kept);
}

}  // namespace
