#include "pictures/conversion/temp_file_buffer.h"

#include <algorithm>

#include "pictures/conversion/conversion_image.h"
#include "test_support.h"

#ifdef _WIN32
#include <windows.h>

#include "runtime/text_codec.h"
#endif

using namespace conversion_test;
using pictures::TempFileBuffer;

namespace {

class TempFileBufferTest : public ScratchFolderTest {
protected:
    bool hasTempFile(const std::string& name) const
    {
        std::vector<std::string> names = tempFiles();
        return std::find(names.begin(), names.end(), name) != names.end();
    }
};

TEST_F(TempFileBufferTest, SmallestFreeNumberWithoutTouchingOtherFiles)
{
    WriteBytes(path("QMRCLASS0.tmp"), {'s', 't', 'a', 'l', 'e'});
    std::unique_ptr<TempFileBuffer> first = TempFileBuffer::Create(5000);
    std::unique_ptr<TempFileBuffer> second = TempFileBuffer::Create(10);
    ASSERT_TRUE(first && second);
    EXPECT_TRUE(hasTempFile("QMRCLASS1.tmp"));
    EXPECT_TRUE(hasTempFile("QMRCLASS2.tmp"));
    EXPECT_EQ(ReadBytes(path("QMRCLASS0.tmp")), (Bytes{'s', 't', 'a', 'l', 'e'}));

    first.reset();
    EXPECT_FALSE(hasTempFile("QMRCLASS1.tmp")) << "released buffers delete their file";
    std::unique_ptr<TempFileBuffer> third = TempFileBuffer::Create(20);
    EXPECT_TRUE(hasTempFile("QMRCLASS1.tmp"));
}

TEST_F(TempFileBufferTest, ZeroFilledAndWritable)
{
    std::unique_ptr<TempFileBuffer> buffer = TempFileBuffer::Create(70000);
    ASSERT_TRUE(buffer);
    ASSERT_EQ(buffer->size(), 70000u);
    EXPECT_TRUE(std::all_of(buffer->data(), buffer->data() + buffer->size(), [](uint8_t b) { return b == 0; }));
    buffer->data()[69999] = 0xAB;
    EXPECT_EQ(buffer->data()[69999], 0xAB);
    EXPECT_EQ(TempFileBuffer::Create(0), nullptr);
}

#ifdef _WIN32
TEST_F(TempFileBufferTest, FilesAreHiddenInTheWindowsTemporaryFolder)
{
    std::unique_ptr<TempFileBuffer> buffer = TempFileBuffer::Create(100);
    ASSERT_TRUE(buffer);
    wchar_t folder[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, folder);
    EXPECT_EQ(std::wstring(folder), rt::WideFromGbk(folder_));
    DWORD attributes = GetFileAttributesW((std::wstring(folder) + L"QMRCLASS0.tmp").c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
}
#endif

TEST(PictureLimits, SizesInSixtyFourBits)
{
    EXPECT_EQ(pictures::PictureBufferBytes(12000, 9000, 4), uint64_t{12000} * 9000 * 4);
    EXPECT_EQ(pictures::PictureBufferBytes(65500, 1, 3), 65500u * 3);
    EXPECT_EQ(pictures::PictureBufferBytes(65501, 1, 3), 0u);
    EXPECT_EQ(pictures::PictureBufferBytes(65500, 65500, 1), 0u) << "too many pixels";
    EXPECT_EQ(pictures::PictureBufferBytes(0, 10, 3), 0u);
}

}  // namespace
