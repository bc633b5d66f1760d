// Worker threads draw on boards, copy between them and take their pictures while the window thread
// paints and the window is moved and resized: no crash, no deadlock, no corrupted drawing.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

#include "tests/controls/board/board_test_support.h"
#include "tests/runtime/window/thread_test_support.h"
#include "tests/runtime/window/window_test_support.h"

namespace {

using namespace board_test;
using Command = rt::commands::CoreCommand;

constexpr DWORD kRunMilliseconds = 3000;
constexpr DWORD kJoinLimitMilliseconds = 15000;

bool Uniform(const Pixels& pixels, uint32_t colour)
{
    if (pixels.colours.empty()) {
        return false;
    }
    for (uint32_t c : pixels.colours) {
        if (c != colour) {
            return false;
        }
    }
    return true;
}

TEST(BoardStressTest, WorkersDrawCopyAndReadWhileTheWindowPaintsAndMoves)
{
    LoadBoardWindow();
    HWND top = GetAncestor(BoardHandle(kWide), GA_ROOT);
    ShowWindow(BoardHandle(kWide), SW_SHOW);
    ShowWindow(BoardHandle(kSmall), SW_SHOW);
    int32_t picture = LoadPicture(MakeBmp(16, 12, std::vector<uint32_t>(16 * 12, 0x336699)));
    ASSERT_GT(picture, 0);

    std::atomic<bool> stop{false};
    std::atomic<int> corrupt{0};
    std::atomic<int> rounds{0};
    std::vector<std::thread> workers;
    // One worker owns kSmall: it fills it with one colour and reads it back, which must be uniform.
    workers.emplace_back([&] {
        const uint32_t colours[] = {0x000000ff, 0x0000ff00, 0x00ff0000};
        for (int i = 0; !stop; ++i) {
            Write(kSmall, 9, colours[i % 3]);
            Method(Command::kClear, {Board(kSmall)});
            if (!Uniform(BoardPixels(kSmall), Rgb(colours[i % 3]))) {
                ++corrupt;
            }
            ++rounds;
        }
    });
    // The others draw on and copy between the shared boards and take their pictures.
    for (int w = 0; w < 2; ++w) {
        workers.emplace_back([&, w] {
            for (int i = 0; !stop; ++i) {
                // As the split does, the copy target is resized between copies.
                Write(kFramed, 2, 30 + (i + w) % 20);
                Method(Command::kClear, {Board(kWide)});
                Method(Command::kDrawLine, {Board(kWide), Int(i % 200), Int(0), Int(199 - i % 200), Int(99)});
                Method(Command::kDrawPicture,
                       {Board(kWide), Int(picture), Int(i % 150), Int(w * 40), Omitted(), Omitted(), Int(1)});
                Method(Command::kCopy,
                       {Board(kWide), Int(i % 180), Int(10), Int(30), Int(20), Board(kFramed), Int(0), Int(0), Int(1)});
                Pixels framed = BoardPixels(kFramed);
                Pixels wide = PixelsOf(Method(Command::kGetPictureData, {Board(kWide), Int(-50), Int(-50)}).bytes());
                if (framed.colours.empty() || wide.width != 100 || wide.height != 50) {
                    ++corrupt;
                }
                ++rounds;
            }
        });
    }
    window_test::AnswerTimeProbe probe(top);
    DWORD start = GetTickCount();
    for (int step = 0; GetTickCount() - start < kRunMilliseconds; ++step) {
        SetWindowPos(top, nullptr, 30 + step % 40, 30 + step % 25, 420 + step % 60, 320 + step % 30,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(top, nullptr, TRUE);
        RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        window_test::Pump(10);
    }
    stop = true;
    window_test::JoinWhilePumping(workers, kJoinLimitMilliseconds);
    DWORD longestAnswer = probe.stop();
    std::printf("window thread's longest answer to another thread while workers drew: %lu ms\n",
                static_cast<unsigned long>(longestAnswer));
    EXPECT_LT(longestAnswer, 10000u);
    EXPECT_EQ(corrupt.load(), 0);
    EXPECT_GT(rounds.load(), 20);
    UnloadPicture(picture);
    DestroyBoardWindow();
}

}  // namespace
