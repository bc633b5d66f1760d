// A hundred rounds of open, preview and split through the windows: the program's private memory and
// its GDI and USER objects after the last round stay within a small bound of those after the first.
// Prints the figures.
#include <cstdio>

#include "tests/end_to_end/end_to_end_test.h"
#include "tools/automation/process_resources.h"

namespace end_to_end {
namespace {

namespace fs = std::filesystem;

constexpr int kRounds = 100;
// Room for the heap's own growth and a few objects the system makes once in a while.
constexpr uint64_t kPrivateBytesSlack = 8 * 1024 * 1024;
constexpr long kGdiSlack = 10;
constexpr long kUserSlack = 2;
// Time for a split's worker to be gone after its progress bar is.
constexpr DWORD kSettleMs = 300;

class Leaks : public EndToEndTest {};

automation::ProcessResources Measure(const splitter::Splitter& program)
{
    Sleep(kSettleMs);
    std::optional<automation::ProcessResources> figures = automation::MeasureProcess(program.process());
    EXPECT_TRUE(figures);
    return figures.value_or(automation::ProcessResources{});
}

void Print(const char* when, const automation::ProcessResources& figures)
{
    std::printf("%s: private bytes %llu, GDI objects %ld, USER objects %ld\n", when,
                static_cast<unsigned long long>(figures.privateBytes), figures.gdiObjects, figures.userObjects);
}

TEST_F(Leaks, AHundredRoundsOfOpenPreviewAndSplitKeepMemoryAndObjectsWhereTheFirstLeftThem)
{
    // Each kind of opening: a JPEG, a BMP and a PNG through its JPEG copy.
    const fs::path pictures[] = {WritePicture(L"photo.jpg", PhotoLike(1003, 751)),
                                 WritePicture(L"photo.bmp", PhotoLike(640, 480, 1)),
                                 WritePicture(L"photo.png", PhotoLike(401, 301, 2))};
    const std::wstring out = (Folder(L"out") / L"cover").wstring();
    splitter::Splitter& p = Start();
    p.SetCount(L"2", L"2");
    automation::ProcessResources first;
    const ULONGLONG start = GetTickCount64();
    for (int round = 1; round <= kRounds; ++round) {
        p.OpenPicture(pictures[round % 3].wstring());
        p.PressPreview();
        p.WaitForBoardStill(true);
        p.Split(out, false);
        if (round == 1) {
            first = Measure(p);
            Print("after round 1", first);
        }
    }
    const automation::ProcessResources last = Measure(p);
    // The last round split the picture of round 100.
    const RgbPicture source = PhotoLike(640, 480, 1);
    EXPECT_TRUE(SplitOutputIs(out, CountGrid(source, 2, 2), source, kOneJpegCoding));
    Print("after round 100", last);
    std::printf("%d rounds in %.1f s\n", kRounds, (GetTickCount64() - start) / 1000.0);
    EXPECT_LE(last.privateBytes, first.privateBytes + kPrivateBytesSlack);
    EXPECT_LE(last.gdiObjects, first.gdiObjects + kGdiSlack);
    EXPECT_LE(last.userObjects, first.userObjects + kUserSlack);
    EXPECT_EQ(Stop(), 0u);
}

}  // namespace
}  // namespace end_to_end
