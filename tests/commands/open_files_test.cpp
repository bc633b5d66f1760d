// OpenFile's access and sharing codes and WriteTextToFile's text forms and rewind on failure.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "command_call.h"
#include "commands/core/file_commands.h"
#include "commands/core/open_files.h"
#include "runtime/text_codec.h"
#include "runtime/win32/owned_handles.h"
#include "scratch_folder.h"

namespace {

using test::Call;
using test::Text;

struct OpenFilesTest : ::testing::Test {
    void TearDown() override { rt::commands::CloseAllOpenFiles(); }

    int32_t Open(const std::string& path, std::initializer_list<rt::ValueTriple> codes = {})
    {
        std::vector<rt::ValueTriple> args{Text(path)};
        args.insert(args.end(), codes);
        rt::ValueTriple result{};
        rt::commands::OpenFileCommand(&result, static_cast<int>(args.size()), args.data());
        return static_cast<int32_t>(result.low);
    }
    bool Write(int32_t file, std::initializer_list<rt::ValueTriple> values)
    {
        std::vector<rt::ValueTriple> args{rt::MakeInt(file)};
        args.insert(args.end(), values);
        rt::ValueTriple result{};
        rt::commands::WriteTextToFileCommand(&result, static_cast<int>(args.size()), args.data());
        return result.low != 0;
    }

    test::ScratchFolder scratch;
};

TEST_F(OpenFilesTest, DefaultAccessNeedsAnExistingFile)
{
    EXPECT_EQ(Open(scratch.Path("missing.txt")), 0);
    EXPECT_FALSE(test::Exists(scratch.Path("missing.txt")));
    test::WriteBytes(scratch.Path("there.txt"), "old");
    EXPECT_GT(Open(scratch.Path("there.txt")), 0);
}

TEST_F(OpenFilesTest, AccessCodesCreateTruncateOrKeep)
{
    struct Case {
        int32_t access;
        bool existing;
        bool opens;
        std::string after;  // the file's bytes after writing "ab" at the start
    };
    const Case cases[] = {
        {1, true, true, "old!"}, {1, false, false, ""},   {2, true, true, "abd!"}, {2, false, false, ""},
        {3, true, true, "abd!"}, {4, true, true, "ab"},   {4, false, true, "ab"},  {5, true, true, "abd!"},
        {5, false, true, "ab"},  {6, true, true, "abd!"}, {6, false, true, "ab"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.access) + (c.existing ? " existing" : " new"));
        std::string path = scratch.Path("f" + std::to_string(n++) + ".txt");
        if (c.existing) test::WriteBytes(path, "old!");
        int32_t file = Open(path, {rt::MakeInt(c.access)});
        EXPECT_EQ(file > 0, c.opens);
        if (file > 0) {
            EXPECT_EQ(Write(file, {Text("ab")}), c.access != 1);
        }
        rt::commands::CloseAllOpenFiles();
        EXPECT_EQ(test::ReadBytes(path), c.after);
    }
}

// The page of a split is opened with the default codes, which let nobody empty it while it is open;
// once closed, its number is unknown and the file can be emptied and opened again.
TEST_F(OpenFilesTest, AClosedFileCanBeEmptiedAndOpenedAgain)
{
    std::string path = scratch.Path("index.html");
    test::WriteBytes(path, "");
    int32_t file = Open(path);
    ASSERT_GT(file, 0);
    EXPECT_TRUE(Write(file, {Text("first")}));
    EXPECT_FALSE(
        Call(rt::commands::WriteFileCommand, {Text(path), rt::MakePointerValue(nullptr, rt::kByteSet)}).logical());

    rt::ValueTriple result{};
    rt::ValueTriple number = rt::MakeInt(file);
    rt::commands::CloseFileCommand(&result, 1, &number);
    EXPECT_TRUE(result.low != 0);
    EXPECT_FALSE(Write(file, {Text("late")}));
    rt::commands::CloseFileCommand(&result, 1, &number);
    EXPECT_FALSE(result.low != 0);
    EXPECT_EQ(test::ReadBytes(path), "first");

    EXPECT_TRUE(
        Call(rt::commands::WriteFileCommand, {Text(path), rt::MakePointerValue(nullptr, rt::kByteSet)}).logical());
    int32_t again = Open(path);
    EXPECT_GT(again, 0);
    EXPECT_TRUE(Write(again, {Text("second")}));
    rt::commands::CloseAllOpenFiles();
    EXPECT_EQ(test::ReadBytes(path), "second");
}

TEST_F(OpenFilesTest, CodesOutOfRangeOrAnEmptyPathGiveZero)
{
    std::string path = scratch.Path("a.txt");
    test::WriteBytes(path, "x");
    EXPECT_EQ(Open(path, {rt::MakeInt(0)}), 0);
    EXPECT_EQ(Open(path, {rt::MakeInt(7)}), 0);
    EXPECT_EQ(Open(path, {rt::MakeInt(3), rt::MakeInt(0)}), 0);
    EXPECT_EQ(Open(path, {rt::MakeInt(3), rt::MakeInt(5)}), 0);
    EXPECT_EQ(Open(path, {Text("3")}), 0);
    EXPECT_EQ(Open(""), 0);
}

TEST_F(OpenFilesTest, SharingCodesDecideWhatOthersMayDo)
{
    struct Case {
        int32_t sharing;
        bool othersRead;
        bool othersWrite;
    };
    const Case cases[] = {{1, true, true}, {2, false, true}, {3, true, false}, {4, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sharing);
        std::string path = scratch.Path("s" + std::to_string(c.sharing) + ".txt");
        int32_t file = Open(path, {rt::MakeInt(6), rt::MakeInt(c.sharing)});
        ASSERT_GT(file, 0);
        auto canOpen = [&](DWORD access) {
            rt::UniqueHandle other(CreateFileW(rt::WideFromGbk(path).c_str(), access,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
            return static_cast<bool>(other);
        };
        EXPECT_EQ(canOpen(GENERIC_READ), c.othersRead);
        EXPECT_EQ(canOpen(GENERIC_WRITE), c.othersWrite);
        rt::commands::CloseAllOpenFiles();
    }
}

TEST_F(OpenFilesTest, WriteTextToFileWritesTextFormsWithoutSeparators)
{
    std::string path = scratch.Path("text.txt");
    int32_t file = Open(path, {rt::MakeInt(4)});
    ASSERT_GT(file, 0);
    test::ByteSetArg skipped(std::string("no"));
    rt::ValueTriple date = rt::MakeDouble(2.0);
    date.type = rt::kDateTime;
    EXPECT_TRUE(Write(file, {Text("名="),
                             rt::MakeInt(-12),
                             Text(""),
                             {200, 0, rt::kByte},
                             rt::MakeLong(1LL << 40),
                             test::Double(2.5),
                             rt::MakeFloat(0.1f),
                             rt::MakeLogical(true),
                             date,
                             skipped.triple(),
                             Text("\r\n")}));
    EXPECT_TRUE(Write(file, {Text("end")}));
    rt::commands::CloseAllOpenFiles();
    EXPECT_EQ(test::ReadBytes(path),
              "名=-122001099511627776"
              "2.50.1真1900年1月1日\r\nend");
}

TEST_F(OpenFilesTest, WriteTextToFileNeedsAFileNumber)
{
    std::string path = scratch.Path("n.txt");
    int32_t file = Open(path, {rt::MakeInt(4)});
    ASSERT_GT(file, 0);
    rt::ValueTriple result{};
    rt::ValueTriple notNumber[] = {Text("1"), Text("x")};
    rt::commands::WriteTextToFileCommand(&result, 2, notNumber);
    EXPECT_EQ(result.low, 0u);
    EXPECT_FALSE(Write(file + 1000, {Text("x")}));
    EXPECT_FALSE(Write(0, {Text("x")}));
    rt::commands::CloseAllOpenFiles();
    EXPECT_EQ(test::ReadBytes(path), "");
    // Numbers of closed files are unknown.
    EXPECT_FALSE(Write(file, {Text("x")}));
}

TEST_F(OpenFilesTest, AFailedWriteOnAReadOnlyFileWritesNothing)
{
    std::string path = scratch.Path("ro.txt");
    test::WriteBytes(path, "abcdef");
    int32_t file = Open(path, {rt::MakeInt(1)});
    ASSERT_GT(file, 0);
    EXPECT_FALSE(Write(file, {Text("xyz")}));
    EXPECT_FALSE(Write(file, {Text(""), rt::MakeInt(5)}));
    rt::commands::CloseAllOpenFiles();
    EXPECT_EQ(test::ReadBytes(path), "abcdef");
}

TEST_F(OpenFilesTest, ThreadsWriteThroughTheirOwnNumbers)
{
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([this, t] {
            std::string path = scratch.Path("t" + std::to_string(t) + ".txt");
            int32_t file = Open(path, {rt::MakeInt(4)});
            for (int i = 0; i < 100; ++i) EXPECT_TRUE(Write(file, {rt::MakeInt(t)}));
        });
    }
    for (std::thread& thread : threads) thread.join();
    rt::commands::CloseAllOpenFiles();
    for (int t = 0; t < 4; ++t)
        EXPECT_EQ(test::ReadBytes(scratch.Path("t" + std::to_string(t) + ".txt")),
                  std::string(100, static_cast<char>('0' + t)));
}

}  // namespace
