// DeleteFile, RunDirectory, FileExists, WriteFile and ReadFile on real files (GBK paths).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_call.h"
#include "commands/core/file_commands.h"
#include "runtime/runtime_app.h"
#include "runtime/text_codec.h"
#include "runtime/win32/owned_handles.h"
#include "scratch_folder.h"

namespace {

using test::Call;
using test::Text;

struct FileCommandsTest : ::testing::Test {
    test::ScratchFolder scratch;
};

TEST_F(FileCommandsTest, WriteFileWritesEveryNonEmptyByteSetInOrder)
{
    std::string path = scratch.Path("图片.bin");
    test::ByteSetArg first(std::string("ab")), empty{std::string()}, second(std::string("cd"));
    EXPECT_TRUE(Call(rt::commands::WriteFileCommand,
                     {Text(path), first.triple(), empty.triple(), rt::MakeInt(7), second.triple()})
                    .logical());
    EXPECT_EQ(test::ReadBytes(path), "abcd");
}

TEST_F(FileCommandsTest, WriteFileOverALongerFileLeavesExactlyTheNewBytes)
{
    std::string path = scratch.Path("long.bin");
    test::WriteBytes(path, std::string(1000, 'x'));
    test::ByteSetArg bytes(std::string("new"));
    EXPECT_TRUE(Call(rt::commands::WriteFileCommand, {Text(path), bytes.triple()}).logical());
    EXPECT_EQ(test::ReadBytes(path), "new");
}

TEST_F(FileCommandsTest, WriteFileWithOnlyAnEmptyByteSetCreatesAnEmptyFile)
{
    std::string path = scratch.Path("empty.bin");
    EXPECT_TRUE(
        Call(rt::commands::WriteFileCommand, {Text(path), rt::MakePointerValue(nullptr, rt::kByteSet)}).logical());
    EXPECT_TRUE(test::Exists(path));
    EXPECT_EQ(test::ReadBytes(path), "");
}

TEST_F(FileCommandsTest, WriteFileFailsForAnEmptyPathAFolderOrALockedFile)
{
    test::ByteSetArg bytes(std::string("x"));
    EXPECT_FALSE(Call(rt::commands::WriteFileCommand, {Text(""), bytes.triple()}).logical());
    EXPECT_FALSE(Call(rt::commands::WriteFileCommand, {Text(scratch.folder()), bytes.triple()}).logical());
    EXPECT_FALSE(Call(rt::commands::WriteFileCommand, {Text(scratch.Path("none\\x.bin")), bytes.triple()}).logical());

    std::string path = scratch.Path("locked.bin");
    test::WriteBytes(path, "keep");
    rt::UniqueHandle holder(
        CreateFileW(rt::WideFromGbk(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    EXPECT_FALSE(Call(rt::commands::WriteFileCommand, {Text(path), bytes.triple()}).logical());
    holder.reset();
    EXPECT_EQ(test::ReadBytes(path), "keep");
}

TEST_F(FileCommandsTest, ReadFileGivesTheWholeFileOrAnEmptyByteSet)
{
    std::string path = scratch.Path("data.bin");
    std::string bytes("\0\x01\xFFzz", 5);
    test::WriteBytes(path, bytes);
    std::vector<uint8_t> expected(bytes.begin(), bytes.end());
    EXPECT_EQ(Call(rt::commands::ReadFileCommand, {Text(path)}).bytes(), expected);

    test::WriteBytes(scratch.Path("zero.bin"), "");
    for (const std::string& unreadable : {std::string(), scratch.Path("missing.bin"), scratch.Path("zero.bin")}) {
        SCOPED_TRACE(unreadable);
        test::CommandResult result = Call(rt::commands::ReadFileCommand, {Text(unreadable)});
        EXPECT_EQ(result.type(), rt::kByteSet);
        EXPECT_EQ(result.triple().pointer(), nullptr);
    }
}

TEST_F(FileCommandsTest, FileExistsMatchesFilesFoldersAndWildcards)
{
    test::WriteBytes(scratch.Path("a.jpg"), "x");
    struct Case {
        std::string path;
        bool exists;
    };
    const Case cases[] = {
        {scratch.Path("a.jpg"), true},
        {scratch.folder(), true},
        {scratch.Path("*.jpg"), true},
        {scratch.Path("?.jpg"), true},
        {scratch.Path("*.png"), false},
        {scratch.Path("b.jpg"), false},
        {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(Call(rt::commands::FileExistsCommand, {Text(c.path)}).logical(), c.exists);
    }
}

TEST_F(FileCommandsTest, DeleteFileTellsWhetherItDeleted)
{
    std::string path = scratch.Path("删除.txt");
    test::WriteBytes(path, "x");
    EXPECT_TRUE(Call(rt::commands::DeleteFileCommand, {Text(path)}).logical());
    EXPECT_FALSE(test::Exists(path));
    EXPECT_FALSE(Call(rt::commands::DeleteFileCommand, {Text(path)}).logical());
    EXPECT_FALSE(Call(rt::commands::DeleteFileCommand, {Text("")}).logical());
}

TEST(RunDirectory, GivesTheRecordedProgramFolder)
{
    rt::App().programDirectory = "C:\\程序";
    EXPECT_EQ(Call(rt::commands::RunDirectoryCommand, {}).text(), "C:\\程序");
    rt::App().programDirectory.clear();
    test::CommandResult empty = Call(rt::commands::RunDirectoryCommand, {});
    EXPECT_EQ(empty.type(), rt::kText);
    EXPECT_EQ(empty.text(), "");
}

}  // namespace
