// Splits the program refuses, each with its message box and nothing written: numbers that give no
// grid or too many pieces, a picture that does not decode, and files that cannot be written.
#include <fstream>

#include "tests/end_to_end/end_to_end_test.h"
#include "tools/automation/file_dialog.h"
#include "tools/automation/window_query.h"
#include "tools/splitter_driver/driver_error.h"

namespace end_to_end {
namespace {

namespace fs = std::filesystem;

// A refusal comes from the button's own handler: nothing can follow it later than this.
constexpr DWORD kNothingFollowsRefusalMs = 500;
// A failed write stops the split's worker, which could still ask its question.
constexpr DWORD kNothingFollowsFailureMs = 1500;

struct Refusal {
    const wchar_t* rows;
    const wchar_t* columns;
    const wchar_t* pieceWidth;  // null: split by count
    const wchar_t* pieceHeight;
    const wchar_t* resizeWidth;  // null: no resize
    const wchar_t* resizeHeight;
    const wchar_t* message;
};

// On a 1003 × 751 picture.
const Refusal kRefusals[] = {
    {L"0", L"5", nullptr, nullptr, nullptr, nullptr, texts::kBadCount},
    {L"3", L"-2", nullptr, nullptr, nullptr, nullptr, texts::kBadCount},
    {L"abc", L"5", nullptr, nullptr, nullptr, nullptr, texts::kBadCount},
    {L"", L"5", nullptr, nullptr, nullptr, nullptr, texts::kBadCount},
    {L"1001", L"1", nullptr, nullptr, nullptr, nullptr, texts::kBadCount},
    {L"800", L"1", nullptr, nullptr, nullptr, nullptr, texts::kPictureTooSmall},
    {L"40", L"30", nullptr, nullptr, nullptr, nullptr, texts::kTooManyPieces},
    {L"3", L"5", L"0", L"100", nullptr, nullptr, texts::kBadSize},
    {L"3", L"5", L"100", L"16001", nullptr, nullptr, texts::kBadSize},
    {L"3", L"5", L"x", L"100", nullptr, nullptr, texts::kBadSize},
    {L"3", L"5", L"10", L"10", nullptr, nullptr, texts::kTooManyPieces},
    {L"3", L"5", nullptr, nullptr, L"0", L"100", texts::kBadResize},
    {L"3", L"5", nullptr, nullptr, L"640", L"16001", texts::kBadResize},
};

std::wstring Describe(const Refusal& refusal)
{
    auto text = [](const wchar_t* value) { return value ? L"\"" + std::wstring(value) + L"\"" : std::wstring(L"-"); };
    return text(refusal.rows) + L" " + text(refusal.columns) + L" " + text(refusal.pieceWidth) + L" " +
           text(refusal.pieceHeight) + L" " + text(refusal.resizeWidth) + L" " + text(refusal.resizeHeight);
}

class Refusals : public EndToEndTest {
protected:
    // The box the split button gives instead of the save dialog: its caption, text and OK, and
    // nothing after it once it is answered.
    void ExpectRefusal(const std::wstring& message)
    {
        program().PressSplit();
        const splitter::SeenMessageBox box = program().WaitForMessageBox(splitter::kStepTimeoutMs);
        EXPECT_EQ(box.caption, texts::kBoxCaption);
        EXPECT_EQ(box.text, message);
        EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
        program().Press(box, IDOK);
        EXPECT_FALSE(program().FindMessageBoxWithin(kNothingFollowsRefusalMs));
        EXPECT_EQ(automation::FindFileDialog(program().pid()), nullptr);
    }
};

TEST_F(Refusals, NumbersThatGiveNoGridOrTooManyPiecesAreRefusedBeforeTheSaveDialog)
{
    const fs::path bmp = WritePicture(L"photo.bmp", PhotoLike(1003, 751));
    splitter::Splitter& p = Start();
    p.OpenPicture(bmp.wstring());
    const std::vector<std::wstring> pictures = FolderListing(bmp.parent_path());
    const std::vector<std::wstring> program = FolderListing(programFolder());
    for (const Refusal& refusal : kRefusals) {
        SCOPED_TRACE(splitter::Utf8(Describe(refusal)));
        p.ChooseByCount();
        p.SetCount(refusal.rows, refusal.columns);
        if (refusal.pieceWidth) {
            p.ChooseBySize();
            p.SetPieceSize(refusal.pieceWidth, refusal.pieceHeight);
        }
        p.SetResize(refusal.resizeWidth != nullptr);
        if (refusal.resizeWidth) {
            p.SetResizeSize(refusal.resizeWidth, refusal.resizeHeight);
        }
        ExpectRefusal(refusal.message);
        EXPECT_EQ(FolderListing(bmp.parent_path()), pictures);
        EXPECT_EQ(FolderListing(programFolder()), program);
    }
    EXPECT_EQ(Stop(), 0u);
}

TEST_F(Refusals, APictureThatDoesNotDecodeIsRefused)
{
    const fs::path broken = Folder(L"pictures") / L"broken.jpg";
    std::ofstream(broken, std::ios::binary) << "\xFF\xD8\xFF this is no picture";
    splitter::Splitter& p = Start();
    p.OpenPicture(broken.wstring());
    EXPECT_EQ(p.PictureSize(), L"0×0");
    ExpectRefusal(texts::kPictureUnreadable);
    EXPECT_EQ(FolderListing(broken.parent_path()), std::vector<std::wstring>{L"broken.jpg"});
    EXPECT_EQ(Stop(), 0u);
}

TEST_F(Refusals, APieceThatCannotBeWrittenStopsTheSplitNamingIt)
{
    const fs::path out = Folder(L"out");
    // A folder where the third piece would go: no program can write that file.
    fs::create_directory(out / L"cover-3.jpg");
    const std::wstring saveName = (out / L"cover").wstring();
    splitter::Splitter& p = Start();
    p.PressSplit();
    p.Save(saveName);
    const splitter::SeenMessageBox box = p.WaitForMessageBox();
    EXPECT_EQ(box.caption, texts::kBoxCaption);
    EXPECT_EQ(box.text, texts::kPieceNotWritten + saveName + L"-3.jpg");
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    p.Press(box, IDOK);
    // No final question, and the unfinished page is gone.
    EXPECT_FALSE(p.FindMessageBoxWithin(kNothingFollowsFailureMs));
    p.WaitForSplitEnd();
    EXPECT_EQ(FolderListing(out), (std::vector<std::wstring>{L"cover-1.jpg", L"cover-2.jpg", L"cover-3.jpg"}));

    const std::wstring again = (Folder(L"again") / L"cover").wstring();
    p.Split(again, false);
    const RgbPicture source = DecodeJpegFile(DefaultPictureSource());
    EXPECT_TRUE(SplitOutputIs(again, CountGrid(source, 3, 5), source, kGrainyDrawingOneJpegCoding));
    EXPECT_EQ(Stop(), 0u);
}

TEST_F(Refusals, APageThatCannotBeWrittenStopsTheSplitBeforeAnyPiece)
{
    const fs::path out = Folder(L"out");
    fs::create_directory(out / texts::kPage);
    splitter::Splitter& p = Start();
    p.PressSplit();
    p.Save((out / L"cover").wstring());
    const splitter::SeenMessageBox box = p.WaitForMessageBox();
    EXPECT_EQ(box.caption, texts::kBoxCaption);
    EXPECT_EQ(box.text.rfind(texts::kPageNotWritten + out.wstring(), 0), 0u) << splitter::Utf8(box.text);
    EXPECT_EQ(fs::path(box.text).filename(), texts::kPage);
    p.Press(box, IDOK);
    EXPECT_FALSE(p.FindMessageBoxWithin(kNothingFollowsFailureMs));
    EXPECT_EQ(FolderListing(out), std::vector<std::wstring>{texts::kPage});
    EXPECT_EQ(Stop(), 0u);
}

}  // namespace
}  // namespace end_to_end
