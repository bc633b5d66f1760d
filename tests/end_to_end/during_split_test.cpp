// What the user may do while a split runs: a second split is refused, another picture opened and
// previewed changes nothing of the split, and closing the main window ends the program normally,
// as it does during a grid preview.
#include "tests/end_to_end/end_to_end_test.h"
#include "tools/automation/message_box.h"
#include "tools/automation/wait.h"
#include "tools/automation/window_query.h"

namespace end_to_end {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 1003;
constexpr int kHeight = 751;
constexpr wchar_t kManyRows[] = L"10";
constexpr wchar_t kManyColumns[] = L"10";

class DuringSplit : public EndToEndTest {
protected:
    // Starts a split of the picture into out\cover and returns once its busy label shows.
    std::wstring StartLongSplit(const fs::path& picture)
    {
        splitter::Splitter& p = program();
        p.OpenPicture(picture.wstring());
        p.SetCount(kManyRows, kManyColumns);
        const std::wstring saveName = (Folder(L"out") / L"cover").wstring();
        p.PressSplit();
        p.Save(saveName);
        if (!automation::WaitFor(splitter::kStepTimeoutMs, [&] { return IsWindowVisible(p.units().busyLabel); })) {
            ADD_FAILURE() << "the busy label did not show";
        }
        return saveName;
    }

    // The program ends with 0 within the bound, showing no box on the way.
    void ExpectQuietEnd()
    {
        bool boxShown = false;
        const bool ended = automation::WaitFor(splitter::kStepTimeoutMs, [&] {
            boxShown = boxShown || automation::FindMessageBox(program().pid()) != nullptr;
            return program().WaitForExit(0).has_value();
        });
        ASSERT_TRUE(ended);
        EXPECT_FALSE(boxShown);
        EXPECT_EQ(program().WaitForExit(0), 0u);
    }
};

TEST_F(DuringSplit, ASecondSplitIsRefusedAndTheFirstGoesOn)
{
    const RgbPicture source = PhotoLike(kWidth, kHeight);
    const fs::path bmp = WritePicture(L"photo.bmp", source);
    Start();
    const std::wstring saveName = StartLongSplit(bmp);
    program().PressSplit();
    const splitter::SeenMessageBox box = program().WaitForMessageBox();
    EXPECT_EQ(box.caption, texts::kBoxCaption);
    EXPECT_EQ(box.text, texts::kSplitRunning);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    program().Press(box, IDOK);
    program().AnswerFinalQuestion(false);
    EXPECT_TRUE(SplitOutputIs(saveName, CountGrid(source, 10, 10), source, kOneJpegCoding));
    EXPECT_EQ(Stop(), 0u);
}

// The split works on its own copy of the picture: another one opened and previewed before it ends,
// while it writes or while its question waits, changes none of its files.
TEST_F(DuringSplit, AnotherPictureOpenedAndPreviewedChangesNothingOfTheSplit)
{
    const fs::path jpeg = WritePicture(L"first.jpg", PhotoLike(kWidth, kHeight));
    const RgbPicture source = DecodeJpegFile(jpeg);
    const fs::path other = WritePicture(L"other.bmp", PhotoLike(640, 480, 3));
    Start();
    const std::wstring saveName = StartLongSplit(jpeg);
    program().OpenPicture(other.wstring());
    program().PressPreview();
    program().WaitForBoardStill(true);
    program().AnswerFinalQuestion(false);
    EXPECT_EQ(program().PictureName(), other.wstring());
    EXPECT_TRUE(SplitOutputIs(saveName, CountGrid(source, 10, 10), source, kOneJpegCoding));
    EXPECT_EQ(Stop(), 0u);
}

TEST_F(DuringSplit, ClosingTheMainWindowEndsTheProgramWithZero)
{
    const fs::path bmp = WritePicture(L"photo.bmp", PhotoLike(kWidth, kHeight));
    Start();
    StartLongSplit(bmp);
    program().RequestMainClose();
    ExpectQuietEnd();
}

TEST_F(DuringSplit, ClosingTheMainWindowDuringAGridPreviewEndsTheProgramWithZero)
{
    const fs::path bmp = WritePicture(L"photo.bmp", PhotoLike(kWidth, kHeight));
    splitter::Splitter& p = Start();
    p.OpenPicture(bmp.wstring());
    p.ChooseBySize();
    // One-pixel steps: the grid thread draws for seconds.
    p.SetPieceSize(L"1", L"1");
    const automation::Image before = p.CaptureBoard();
    p.PressPreview();
    ASSERT_TRUE(automation::WaitFor(splitter::kStepTimeoutMs, [&] { return p.CaptureBoard().rgb != before.rgb; }));
    p.RequestMainClose();
    ExpectQuietEnd();
}

}  // namespace
}  // namespace end_to_end
