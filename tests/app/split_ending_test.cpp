// The real program ended in the middle of a split, by closing its main window or by the user
// logging off: the process ends within a few seconds with exit code 0 and shows no box, every
// piece left under its name is a whole JPEG (the first ones, in order), nothing is left half
// written or under another name, and the page is whole or gone.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "pictures/conversion/convert_to_jpeg.h"
#include "pictures/decoding/picture_decode.h"
#include "runtime/text_codec.h"
#include "tools/automation/automation.h"
#include "tools/automation/wait.h"

namespace {

namespace fs = std::filesystem;

constexpr DWORD kStepTimeoutMs = 20000;
// The longest the program may take to end once asked.
constexpr DWORD kEndTimeoutMs = 5000;
// A 3000 x 2000 picture cut into 25 rows of 30 pieces of 100 x 80: a split of 750 pieces, long
// enough to be ended in its middle.
constexpr int kPictureWidth = 3000;
constexpr int kPictureHeight = 2000;
constexpr int kRows = 25;
constexpr int kColumns = 30;
constexpr int kPieces = kRows * kColumns;
const wchar_t kMainWindowTitle[] = L"QQ空间相册封面拼图制作 - Zorvi图片分割软件";

std::wstring ProgramFolder()
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring full(path, length);
    return full.substr(0, full.rfind(L'\\'));
}

std::string ReadAll(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string Gbk(const fs::path& path) { return rt::GbkFromWide(path.wstring()); }

// A photograph-like JPEG: a BMP of gradients and stripes converted at quality 90.
void WritePicture(const fs::path& folder, const fs::path& jpeg)
{
    uint32_t rowBytes = kPictureWidth * 3;
    std::string bmp(54 + size_t{rowBytes} * kPictureHeight, '\0');
    auto put = [&](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            bmp[at + i] = static_cast<char>(value >> (8 * i));
        }
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put(2, static_cast<uint32_t>(bmp.size()));
    put(10, 54);
    put(14, 40);
    put(18, kPictureWidth);
    put(22, kPictureHeight);
    bmp[26] = 1;
    bmp[28] = 24;
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            char* pixel = &bmp[54 + size_t(y) * rowBytes + x * 3];
            pixel[0] = static_cast<char>(x / 12 + (y / 40 % 2) * 60);
            pixel[1] = static_cast<char>(y / 8 + x % 7);
            pixel[2] = static_cast<char>((x + y) / 20);
        }
    }
    fs::path source = folder / "picture.bmp";
    std::ofstream(source, std::ios::binary) << bmp;
    ASSERT_EQ(pictures::ConvertToJpeg(Gbk(source).c_str(), Gbk(jpeg).c_str(), false, 90, false, 0),
              pictures::kConverted);
    fs::remove(source);
}

// A whole piece: a JPEG from its start to its end marker that decodes at the piece's size.
bool IsWholePiece(const std::string& bytes)
{
    bool marked =
        bytes.size() > 4 && bytes.compare(0, 2, "\xFF\xD8") == 0 && bytes.compare(bytes.size() - 2, 2, "\xFF\xD9") == 0;
    pictures::OwnedPicture picture =
        marked ? pictures::DecodePictureBytes(bytes.data(), static_cast<std::ptrdiff_t>(bytes.size())) : nullptr;
    return picture && picture->width == kPictureWidth / kColumns && picture->height == kPictureHeight / kRows;
}

HWND Child(HWND window, const wchar_t* text)
{
    automation::ChildQuery query;
    query.text = text;
    return automation::WaitForChild(window, query, kStepTimeoutMs);
}

class SplitEndingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::path(ProgramFolder()) / ("split-ending-" + std::to_string(GetCurrentProcessId()));
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "out");
        fs::copy_file(fs::path(ProgramFolder()) / "ZorviSplitter.exe", folder_ / "ZorviSplitter.exe");
        WritePicture(folder_, folder_ / "picture.jpg");
    }
    void TearDown() override
    {
        program_.Terminate();
        fs::remove_all(folder_);
    }

    // Starts the program and its split of the picture into out\cover, and waits until the
    // split has put its first pieces under their names.
    void startSplit()
    {
        program_ = automation::Launch((folder_ / "ZorviSplitter.exe").wstring(), L"", folder_.wstring());
        ASSERT_TRUE(program_);
        automation::WindowQuery query;
        query.title = kMainWindowTitle;
        main_ = automation::WaitForTopWindow(program_.pid(), query, kStepTimeoutMs);
        ASSERT_NE(main_, nullptr);
        ASSERT_TRUE(automation::SetText(Child(main_, L"3"), std::to_wstring(kRows)));
        ASSERT_TRUE(automation::SetText(Child(main_, L"5"), std::to_wstring(kColumns)));
        ASSERT_TRUE(automation::Click(Child(main_, L"打开图片")));
        confirmDialog(folder_ / "picture.jpg");
        ASSERT_TRUE(automation::Click(Child(main_, L"分割")));
        confirmDialog(folder_ / "out" / "cover");
        bool started = automation::WaitFor(kStepTimeoutMs, [&] { return fs::exists(folder_ / "out" / "cover-5.jpg"); });
        ASSERT_TRUE(started) << "the split did not start";
    }

    void confirmDialog(const fs::path& path)
    {
        HWND dialog = automation::WaitForFileDialog(program_.pid(), kStepTimeoutMs);
        ASSERT_NE(dialog, nullptr);
        ASSERT_EQ(automation::ConfirmFileDialog(dialog, path.wstring(), kStepTimeoutMs),
                  automation::FileDialogOutcome::kClosed);
    }

    // The program ends in time with exit code 0, and no box shows meanwhile.
    void expectQuietEnd()
    {
        ULONGLONG deadline = GetTickCount64() + kEndTimeoutMs;
        std::optional<DWORD> code;
        while (!(code = program_.WaitForExit(0)) && GetTickCount64() < deadline) {
            EXPECT_EQ(automation::FindMessageBox(program_.pid()), nullptr) << "a box showed while the program ended";
            Sleep(10);
        }
        ASSERT_TRUE(code.has_value()) << "the program did not end within " << kEndTimeoutMs << " ms";
        EXPECT_EQ(*code, 0u);
    }

    // Only whole pieces from the first on, and the page, whole, or no page.
    void expectOnlyWholeFiles()
    {
        int pieces = 0;
        bool page = false;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder_ / "out")) {
            std::string name = entry.path().filename().string();
            if (name == "index.html") {
                page = true;
                continue;
            }
            ++pieces;
            EXPECT_TRUE(name.starts_with("cover-") && name.ends_with(".jpg")) << "left over: " << name;
            EXPECT_TRUE(IsWholePiece(ReadAll(entry.path()))) << name << " is not a whole piece";
        }
        for (int n = 1; n <= pieces; ++n) {
            EXPECT_TRUE(fs::exists(folder_ / "out" / ("cover-" + std::to_string(n) + ".jpg"))) << "piece " << n;
        }
        if (page) {
            std::string text = ReadAll(folder_ / "out" / "index.html");
            EXPECT_TRUE(text.ends_with("</html>")) << "the page is not whole";
            EXPECT_EQ(pieces, kPieces) << "a whole page names every piece";
        }
        std::printf("the split was ended with %d of %d pieces written%s\n", pieces, kPieces,
                    page ? " and the page" : "");
    }

    fs::path folder_;
    automation::ChildProcess program_;
    HWND main_ = nullptr;
};

TEST_F(SplitEndingTest, ClosingTheMainWindowMidSplitLeavesOnlyWholeFiles)
{
    startSplit();
    ASSERT_TRUE(automation::RequestClose(main_));
    expectQuietEnd();
    expectOnlyWholeFiles();
}

TEST_F(SplitEndingTest, LoggingOffMidSplitLeavesOnlyWholeFiles)
{
    startSplit();
    // What the system sends every top-level window when the user logs off.
    for (HWND window : automation::TopWindows(program_.pid())) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 2000, &answer);
    }
    for (HWND window : automation::TopWindows(program_.pid())) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 2000, &answer);
    }
    expectQuietEnd();
    expectOnlyWholeFiles();
}

}  // namespace
