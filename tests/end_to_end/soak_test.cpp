// The soak: for a given time (ZORVI_SOAK_SECONDS, one minute unless set; scripts/soak sets it)
// the real program opens, previews and splits pictures drawn at random from a corpus that holds
// broken files, with counts and sizes drawn from good and bad ones, and every box it shows is
// answered. Once a minute it prints the program's private bytes and GDI and USER objects; it fails
// when they grow beyond a bound of the first minute's figures, or when the program ends.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>

#include "tests/end_to_end/end_to_end_test.h"
#include "tools/automation/file_dialog.h"
#include "tools/automation/input.h"
#include "tools/automation/message_box.h"
#include "tools/automation/process_resources.h"
#include "tools/automation/wait.h"
#include "tools/automation/window_query.h"
#include "tools/splitter_driver/driver_error.h"
#include "tools/splitter_driver/folder_windows.h"

namespace end_to_end {
namespace {

namespace fs = std::filesystem;

constexpr int kDefaultSeconds = 60;
constexpr DWORD kMinuteMs = 60000;
// Room for the heap's own growth and the few objects the system makes once in a while.
constexpr uint64_t kPrivateBytesSlack = 16 * 1024 * 1024;
constexpr long kGdiSlack = 10;
constexpr long kUserSlack = 4;
// A box that a step gives comes within this; none coming means the step gave none.
constexpr DWORD kBoxComesMs = 700;
// Every this many splits are answered Yes, which opens the folder and the preview window.
constexpr int kYesEvery = 8;

const wchar_t* const kCounts[] = {L"1", L"2", L"3", L"5", L"8", L"0", L"-1", L"abc", L"", L"1001", L"40"};
const wchar_t* const kPieceSides[] = {L"100", L"150", L"333", L"640", L"1", L"0", L"16001", L"x"};
const wchar_t* const kResizeSides[] = {L"640", L"480", L"300", L"97", L"0", L"16001"};

class Soak : public EndToEndTest {
protected:
    // Good pictures of each kind and size class, and files that are no picture or half of one.
    std::vector<fs::path> WriteCorpus()
    {
        std::vector<fs::path> corpus = {
            WritePicture(L"photo.jpg", PhotoLike(1003, 751)),   WritePicture(L"small.bmp", PhotoLike(64, 48, 1)),
            WritePicture(L"wide.png", PhotoLike(1200, 200, 2)), WritePicture(L"tall.gif", PaletteLike(150, 900)),
            WritePicture(L"tiny.bmp", PhotoLike(3, 2, 3)),
        };
        const fs::path folder = corpus.front().parent_path();
        std::ifstream photo(corpus.front(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(photo)), std::istreambuf_iterator<char>());
        auto write = [&](const wchar_t* name, const std::string& content) {
            std::ofstream(folder / name, std::ios::binary) << content;
            corpus.push_back(folder / name);
        };
        write(L"half.jpg", bytes.substr(0, bytes.size() / 2));
        write(L"noise.png", std::string("\x89PNG\r\n\x1a\n", 8) + bytes.substr(500, 3000));
        write(L"empty.bmp", "");
        // A BMP header claiming 30000 x 30000 pixels with none behind it.
        write(L"claims.bmp",
              std::string("BM\x36\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x30\x75\0\0\x30\x75\0\0\x01\0\x18\0", 30) +
                  std::string(24, '\0'));
        return corpus;
    }

    // Answers every box the program shows within the time with its first button; how many.
    int AnswerBoxes()
    {
        int answered = 0;
        while (std::optional<splitter::SeenMessageBox> box = program().FindMessageBoxWithin(kBoxComesMs)) {
            if (box->text == texts::kDoneQuestion) {
                AnswerQuestion(*box);
            } else {
                program().Press(*box, box->buttons.front());
            }
            ++answered;
        }
        return answered;
    }

    void AnswerQuestion(const splitter::SeenMessageBox& question)
    {
        const bool yes = ++splits_ % kYesEvery == 0;
        program().AnswerFinalQuestion(question, yes);
        if (!yes) return;
        const HWND preview = program().WaitForPreviewWindow();
        automation::RequestClose(preview);
        automation::WaitForWindowGone(preview, splitter::kStepTimeoutMs);
        splitter::CloseFolderWindows(splitter::FolderName(splitter::FolderOf(saveName_)), splitter::kStepTimeoutMs);
    }

    void ChooseNumbers()
    {
        splitter::Splitter& p = program();
        if (Draw(2) == 0) {
            p.ChooseByCount();
            p.SetCount(Pick(kCounts), Pick(kCounts));
        } else {
            p.ChooseBySize();
            p.SetPieceSize(Pick(kPieceSides), Pick(kPieceSides));
        }
        const bool resize = Draw(3) == 0;
        p.SetResize(resize);
        if (resize) p.SetResizeSize(Pick(kResizeSides), Pick(kResizeSides));
    }

    // 分割: the save dialog, given the name, or a refusal, answered; then every box that follows.
    void SplitAndAnswer()
    {
        splitter::Splitter& p = program();
        p.PressSplit();
        HWND dialog = nullptr;
        automation::WaitFor(splitter::kStepTimeoutMs, [&] {
            dialog = automation::FindFileDialog(p.pid());
            return dialog || automation::FindMessageBox(p.pid());
        });
        if (dialog) {
            p.Save(saveName_);
            // The split's first box: its question, or a failure that the question may follow.
            const splitter::SeenMessageBox box = p.WaitForMessageBox();
            if (box.text == texts::kDoneQuestion) {
                AnswerQuestion(box);
            } else {
                p.Press(box, box.buttons.front());
            }
        }
        AnswerBoxes();
    }

    int Draw(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }
    template <size_t N>
    const wchar_t* Pick(const wchar_t* const (&choices)[N])
    {
        return choices[Draw(N)];
    }

    std::mt19937 random_;
    std::wstring saveName_;
    int splits_ = 0;
};

automation::ProcessResources Measure(const splitter::Splitter& program)
{
    std::optional<automation::ProcessResources> figures = automation::MeasureProcess(program.process());
    EXPECT_TRUE(figures);
    return figures.value_or(automation::ProcessResources{});
}

void Print(int minute, int rounds, const automation::ProcessResources& figures)
{
    std::printf("minute %d, %d rounds: private bytes %llu, GDI objects %ld, USER objects %ld\n", minute, rounds,
                static_cast<unsigned long long>(figures.privateBytes), figures.gdiObjects, figures.userObjects);
    std::fflush(stdout);
}

int SoakSeconds()
{
    const char* seconds = std::getenv("ZORVI_SOAK_SECONDS");
    return seconds && std::atoi(seconds) > 0 ? std::atoi(seconds) : kDefaultSeconds;
}

TEST_F(Soak, RandomPicturesCountsAndSizesKeepTheProgramWorkingAndItsResourcesBounded)
{
    const unsigned seed = GetTickCount();
    std::printf("seed %u, %d s\n", seed, SoakSeconds());
    random_.seed(seed);
    const std::vector<fs::path> corpus = WriteCorpus();
    saveName_ = (Folder(L"out") / L"cover").wstring();
    splitter::Splitter& p = Start();
    const ULONGLONG end = GetTickCount64() + SoakSeconds() * 1000ull;
    ULONGLONG nextFigures = GetTickCount64() + kMinuteMs;
    std::optional<automation::ProcessResources> first;
    automation::ProcessResources last;
    int rounds = 0;
    int minute = 0;
    try {
        while (GetTickCount64() < end) {
            p.OpenPicture(corpus[Draw(static_cast<int>(corpus.size()))].wstring());
            ChooseNumbers();
            p.PressPreview();
            AnswerBoxes();
            p.WaitForBoardStill(false);
            SplitAndAnswer();
            ++rounds;
            ASSERT_FALSE(p.WaitForExit(0)) << "the program ended in round " << rounds;
            if (GetTickCount64() >= nextFigures || GetTickCount64() >= end) {
                nextFigures += kMinuteMs;
                last = Measure(p);
                Print(++minute, rounds, last);
                if (!first) first = last;
            }
        }
    } catch (const splitter::DriverError& error) {
        FAIL() << "round " << rounds + 1 << ": " << error.what();
    }
    ASSERT_TRUE(first);
    EXPECT_LE(last.privateBytes, first->privateBytes + kPrivateBytesSlack);
    EXPECT_LE(last.gdiObjects, first->gdiObjects + kGdiSlack);
    EXPECT_LE(last.userObjects, first->userObjects + kUserSlack);
    EXPECT_EQ(Stop(), 0u);
}

}  // namespace
}  // namespace end_to_end
