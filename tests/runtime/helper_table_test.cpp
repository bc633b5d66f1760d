// The helper table and the services, called in-process as application code and units call them.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <set>
#include <string>

#include "runtime/helper_table.h"
#include "runtime/memory.h"
#include "runtime/misc_service.h"
#include "runtime/owned_values.h"
#include "runtime/runtime_service.h"
#include "runtime/start_runtime.h"
#include "runtime/text_codec.h"

// This test program never starts the runtime; its header is empty.
const rt::ProgramHeader rt::kProgramHeader{};

namespace {

struct Constants {
    char text[12] = "常量文本";
    rt::EmbeddedByteSet<4> bytes{{1, 4}, {9, 8, 7, 6}};
};
const Constants kConstants;

struct HelperTableTest : ::testing::Test {
    void SetUp() override { rt::AddConstantRange(&kConstants, sizeof kConstants); }
    void TearDown() override { rt::ClearConstantRanges(); }
    const rt::HelperTable& helpers = rt::Helpers();
};

TEST_F(HelperTableTest, FreeMemOfAConstantTextLeavesItReadable)
{
    helpers.freeMem(const_cast<char*>(kConstants.text));
    EXPECT_STREQ(kConstants.text, "常量文本");
}

TEST_F(HelperTableTest, ReallocOfAConstantByteSetCopiesUpToTheEndOfTheConstantData)
{
    void* original = const_cast<rt::EmbeddedByteSet<4>*>(&kConstants.bytes);
    auto* grown = static_cast<uint8_t*>(helpers.reallocMem(original, 1000));
    EXPECT_EQ(std::memcmp(grown, original, sizeof kConstants.bytes), 0);
    EXPECT_EQ(rt::ByteSetData(&kConstants.bytes)[0], 9);
    helpers.freeMem(grown);
}

void SetFirstArgumentDoubled(rt::ValueTriple* result, int argCount, rt::ValueTriple* args)
{
    // The result slot arrives zeroed.
    EXPECT_EQ(result->type, 0u);
    EXPECT_EQ(argCount, 2);
    EXPECT_TRUE(args[1].omitted());
    *result = rt::MakeInt(static_cast<int32_t>(args[0].low) * 2);
}

TEST_F(HelperTableTest, CommandCallsHandTheResultTripleBack)
{
    rt::ValueTriple args[2] = {rt::MakeInt(21), {}};
    rt::ValueTriple core = helpers.callCoreCommand(SetFirstArgumentDoubled, 2, args);
    EXPECT_EQ(core.low, 42u);
    EXPECT_EQ(core.type, rt::kInt);
    rt::ValueTriple library = helpers.callLibraryCommand(3, SetFirstArgumentDoubled, 2, args);
    EXPECT_EQ(library.low, 42u);
}

TEST(RuntimeServices, NumericConversionTruncatesAndTakesTheLowWordOfLongs)
{
    auto convert = [](rt::ValueTriple value) {
        return static_cast<int32_t>(rt::RuntimeService(rt::kServiceToInteger, reinterpret_cast<uintptr_t>(&value), 0));
    };
    EXPECT_EQ(convert(rt::MakeDouble(-2.9)), -2);
    EXPECT_EQ(convert(rt::MakeDouble(-2.5)), -2);
    EXPECT_EQ(convert(rt::MakeDouble(-0.5)), 0);
    EXPECT_EQ(convert(rt::MakeFloat(-2.5f)), -2);
    EXPECT_EQ(convert(rt::MakeFloat(3.7f)), 3);
    EXPECT_EQ(convert(rt::MakeLong(0x100000005LL)), 5);
    EXPECT_EQ(convert({0xfffe, 0, rt::kShort}), -2);
    EXPECT_EQ(convert({0xff, 0, rt::kByte}), 255);
}

TEST(RuntimeServices, PlainAllocationMayFailWhereAllocMemWouldEndTheProcess)
{
    rt::HeapBackend failing = rt::DefaultHeapBackend();
    failing.allocate = [](size_t) -> void* { return nullptr; };
    rt::SetHeapBackend(failing);
    int64_t plain = rt::RuntimeService(rt::kServiceAllocate, 64, 1);
    rt::SetHeapBackend(rt::DefaultHeapBackend());
    EXPECT_EQ(plain, 0);
    void* block = reinterpret_cast<void*>(rt::RuntimeService(rt::kServiceAllocate, 64, 0));
    EXPECT_NE(block, nullptr);
    rt::RuntimeService(rt::kServiceFree, reinterpret_cast<uintptr_t>(block), 0);
}

TEST(RuntimeServices, UnclaimedCodesAnswerZeroAndClaimedOnesReachTheirHandler)
{
    EXPECT_EQ(rt::RuntimeService(4999, 1, 2), 0);
    rt::SetServiceHandler(4999, [](uintptr_t a, uintptr_t b) -> int64_t { return static_cast<int64_t>(a + b); });
    EXPECT_EQ(rt::RuntimeService(4999, 40, 2), 42);
}

// A folder of files with chosen attributes, removed afterwards.
struct FindFileTest : ::testing::Test {
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"zorvi-find-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder.c_str(), nullptr);
        Make(L"普通.txt", FILE_ATTRIBUTE_ARCHIVE);
        Make(L"readonly.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
        Make(L"hidden.txt", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
        CreateDirectoryW((folder + L"\\sub").c_str(), nullptr);
    }
    void TearDown() override
    {
        for (const wchar_t* name : {L"普通.txt", L"readonly.txt", L"hidden.txt"}) {
            std::wstring path = folder + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
        }
        RemoveDirectoryW((folder + L"\\sub").c_str());
        RemoveDirectoryW(folder.c_str());
    }
    void Make(const std::wstring& name, DWORD attributes)
    {
        std::wstring path = folder + L"\\" + name;
        HANDLE file =
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        CloseHandle(file);
        SetFileAttributesW(path.c_str(), attributes);
    }
    std::set<std::string> FindAll(uint32_t filter, bool any)
    {
        std::set<std::string> names;
        HANDLE search = nullptr;
        std::string pattern = rt::GbkFromWide(folder + L"\\*");
        auto next = [&](const char* p) {
            return reinterpret_cast<char*>(rt::Helpers().miscService(rt::kFindFile, p, filter, any ? 1 : 0, &search));
        };
        for (char* name = next(pattern.c_str()); name; name = next(nullptr)) {
            names.insert(name);
            rt::FreeMem(name);
        }
        EXPECT_EQ(search, nullptr);  // the end of the search closes the handle and clears the slot
        return names;
    }
    std::wstring folder;
};

TEST_F(FindFileTest, AnyFlagListsFilesButNoFolders)
{
    EXPECT_EQ(FindAll(0, true), (std::set<std::string>{"普通.txt", "readonly.txt", "hidden.txt"}));
}

TEST_F(FindFileTest, AttributeFilterSelectsEntriesWithOneOfItsAttributes)
{
    EXPECT_EQ(FindAll(FILE_ATTRIBUTE_READONLY, false), std::set<std::string>{"readonly.txt"});
    EXPECT_EQ(FindAll(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY, false),
              (std::set<std::string>{"readonly.txt", "hidden.txt"}));
    std::set<std::string> folders = FindAll(FILE_ATTRIBUTE_DIRECTORY, false);
    EXPECT_TRUE(folders.count("sub"));
    EXPECT_FALSE(folders.count("普通.txt"));
}

TEST(TextCodec, GbkAndWideRoundTripWhateverTheSystemCodePage)
{
    std::string gbk = "图片分割";
    EXPECT_EQ(rt::WideFromGbk(gbk), L"图片分割");
    EXPECT_EQ(rt::GbkFromWide(L"图片分割"), gbk);
}

}  // namespace
