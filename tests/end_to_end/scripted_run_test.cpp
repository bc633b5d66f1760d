// split_run.exe, the scripted run behind scripts/run: a split of the default picture leaves its
// pieces, page and screenshots, and a run whose step does not happen ends non-zero.
#include <fstream>

#include "tests/end_to_end/end_to_end_test.h"
#include "tools/automation/process.h"
#include "tools/splitter_driver/driver_error.h"

namespace end_to_end {
namespace {

namespace fs = std::filesystem;

constexpr DWORD kRunTimeoutMs = 120000;

fs::path Sibling(const wchar_t* name)
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fs::path(std::wstring(path, length)).parent_path() / name;
}

// The source tree's notice folder as Windows names it: drive Z: is the Linux root.
std::wstring NoticeFolder()
{
    std::wstring path = L"Z:" + splitter::Wide(ZORVI_SOURCE_DIR) + L"/data/notice";
    for (wchar_t& c : path) {
        c = c == L'/' ? L'\\' : c;
    }
    return path;
}

class ScriptedRun : public EndToEndTest {
protected:
    std::optional<DWORD> Run(const std::vector<std::wstring>& job)
    {
        std::wstring arguments = L"--program " + automation::QuoteArgument(Sibling(L"ZorviSplitter.exe").wstring()) +
                                 L" --folder " + automation::QuoteArgument(Folder(L"run").wstring()) + L" --notice " +
                                 automation::QuoteArgument(NoticeFolder());
        for (const std::wstring& word : job) {
            arguments += L" " + automation::QuoteArgument(word);
        }
        automation::ChildProcess run = automation::Launch(Sibling(L"split_run.exe").wstring(), arguments, L"");
        EXPECT_TRUE(run);
        return run.WaitForExit(kRunTimeoutMs);
    }
};

TEST_F(ScriptedRun, TheDefaultSplitLeavesPiecesPageAndScreenshots)
{
    const fs::path out = Folder(L"output");
    const std::wstring saveName = (out / L"cover").wstring();
    ASSERT_EQ(Run({L"--default", L"--out", saveName, L"--screenshots", (out / L"screenshots").wstring()}), 0u);
    const RgbPicture source = DecodeJpegFile(DefaultPictureSource());
    std::vector<std::wstring> names = FolderListing(out);
    EXPECT_EQ(names.size(), 17u);
    EXPECT_EQ(FolderListing(out / L"screenshots"),
              (std::vector<std::wstring>{L"final_question.png", L"main_window.png", L"preview_window.png",
                                         L"split_progress.png"}));
    fs::remove_all(out / L"screenshots");
    EXPECT_TRUE(SplitOutputIs(saveName, CountGrid(source, 3, 5), source, kGrainyDrawingOneJpegCoding));
}

TEST_F(ScriptedRun, APictureThatTheProgramRefusesEndsTheRunWithOne)
{
    const fs::path broken = Folder(L"pictures") / L"broken.jpg";
    std::ofstream(broken, std::ios::binary) << "no picture";
    const fs::path out = Folder(L"output");
    EXPECT_EQ(Run({L"--picture", broken.wstring(), L"--count", L"2", L"2", L"--out", (out / L"cover").wstring(),
                   L"--screenshots", (out / L"screenshots").wstring()}),
              1u);
    EXPECT_FALSE(fs::exists(out / L"cover-1.jpg"));
}

}  // namespace
}  // namespace end_to_end
