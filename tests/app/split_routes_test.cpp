// The split's two routes to its files give the same files: the pieces made from the decoded
// picture by the split's encoders are byte for byte the pieces cut on the scratch boards piece by
// piece, the page is the same, and the files appear under their names in the same order. The
// real program's runtime and main window run in this test program; the split runs on a worker
// while this thread pumps, as in the program.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cfloat>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "app/commands.h"
#include "app/split.h"
#include "app/split_plan.h"
#include "data/program_windows.h"
#include "pictures/conversion/convert_to_jpeg.h"
#include "runtime/helper_table.h"
#include "runtime/runtime_app.h"
#include "runtime/start_runtime.h"
#include "runtime/text_codec.h"
#include "runtime/win32/owned_handles.h"
#include "tests/runtime/window/thread_test_support.h"
#include "tools/automation/message_box.h"
#include "tests/runtime/window/window_test_support.h"

namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;

constexpr DWORD kSplitLimitMs = 60000;

std::string ReadAll(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// A 24-bit BMP of distinct smooth colours, so that each cell's JPEG is its own.
void WriteGradientBmp(const fs::path& path, int width, int height)
{
    uint32_t rowBytes = (width * 3 + 3) / 4 * 4;
    std::string file(54 + rowBytes * height, '\0');
    auto put = [&](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            file[at + i] = static_cast<char>(value >> (8 * i));
        }
    };
    file[0] = 'B';
    file[1] = 'M';
    put(2, static_cast<uint32_t>(file.size()));
    put(10, 54);
    put(14, 40);
    put(18, width);
    put(22, height);
    file[26] = 1;
    file[28] = 24;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            char* pixel = &file[54 + y * rowBytes + x * 3];
            pixel[0] = static_cast<char>(x * 6 + y);
            pixel[1] = static_cast<char>(y * 9);
            pixel[2] = static_cast<char>(255 - x * 4 - y * 2);
        }
    }
    std::ofstream(path, std::ios::binary) << file;
}

// The names that appear in a folder, in the order they first appear (created or renamed to).
class FolderWatch {
public:
    explicit FolderWatch(const fs::path& folder)
        : folder_(CreateFileW(folder.c_str(), FILE_LIST_DIRECTORY,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr)),
          stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          armed_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          thread_([this] { watch(); })
    {
        // Changes count from the first request on.
        WaitForSingleObject(armed_.get(), 5000);
    }
    ~FolderWatch() { finish(); }

    std::vector<std::wstring> finish()
    {
        SetEvent(stop_.get());
        if (thread_.joinable()) {
            thread_.join();
            folder_.reset();
            stop_.reset();
            armed_.reset();
        }
        return names_;
    }

private:
    void watch()
    {
        rt::UniqueHandle changed(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        OVERLAPPED overlapped{};
        overlapped.hEvent = changed.get();
        for (;;) {
            ResetEvent(overlapped.hEvent);
            const auto bufferBytes = static_cast<DWORD>(buffer_.size() * sizeof(DWORD));
            if (!ReadDirectoryChangesW(folder_.get(), buffer_.data(), bufferBytes, FALSE, FILE_NOTIFY_CHANGE_FILE_NAME,
                                       nullptr, &overlapped, nullptr)) {
                SetEvent(armed_.get());
                break;
            }
            SetEvent(armed_.get());
            HANDLE waits[] = {overlapped.hEvent, stop_.get()};
            DWORD got = 0;
            DWORD which = WaitForMultipleObjects(2, waits, FALSE, INFINITE);
            if (which != WAIT_OBJECT_0) {
                // Stopping: the changes already made still come in.
                CancelIoEx(folder_.get(), &overlapped);
            }
            if (!GetOverlappedResult(folder_.get(), &overlapped, &got, TRUE) || got == 0) {
                if (which != WAIT_OBJECT_0) {
                    break;
                }
                continue;
            }
            record(reinterpret_cast<const char*>(buffer_.data()));
        }
    }

    void record(const char* buffer)
    {
        for (auto* info = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(buffer);;
             info = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(reinterpret_cast<const char*>(info) +
                                                                     info->NextEntryOffset)) {
            if (info->Action == FILE_ACTION_ADDED || info->Action == FILE_ACTION_RENAMED_NEW_NAME) {
                std::wstring name(info->FileName, info->FileNameLength / sizeof(wchar_t));
                if (std::find(names_.begin(), names_.end(), name) == names_.end()) {
                    names_.push_back(name);
                }
            }
            if (info->NextEntryOffset == 0) {
                break;
            }
        }
    }

    rt::UniqueHandle folder_;
    rt::UniqueHandle stop_;
    rt::UniqueHandle armed_;
    std::vector<DWORD> buffer_ = std::vector<DWORD>(16 * 1024);
    std::vector<std::wstring> names_;
    std::thread thread_;
};

struct SplitOutcome {
    bool written = false;
    Files files;                      // every file left in the folder, by name
    std::vector<std::wstring> order;  // the names of those files, as they appeared
};

class SplitRoutesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        rt::InitialiseRuntimeApp();
        rt::StartRuntime();
        _fpreset();
        rt::Helpers().loadStartWindow(data::main_window::kId);
    }

    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = fs::path(temp) / ("zorvi-split-routes-" + std::to_string(GetCurrentProcessId()));
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "out");
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string gbk(const fs::path& path) const { return rt::GbkFromWide(path.wstring()); }

    // A picture file of the size: a BMP, or that BMP converted to a JPEG of quality 90.
    fs::path picture(int width, int height, bool jpeg)
    {
        fs::path bmp = folder_ / "picture.bmp";
        WriteGradientBmp(bmp, width, height);
        if (!jpeg) {
            return bmp;
        }
        fs::path path = folder_ / "picture.jpg";
        EXPECT_EQ(pictures::ConvertToJpeg(gbk(bmp).c_str(), gbk(path).c_str(), false, 90, false, 0),
                  pictures::kConverted);
        return path;
    }

    // Splits the picture along the route into the output folder, as the program's worker does,
    // and takes back what it left there, emptying the folder.
    SplitOutcome split(const fs::path& picture, const app::SplitRequest& request, app::PieceRoute route)
    {
        app::ByteSet bytes = app::ReadFile(gbk(picture));
        int32_t handle = app::LoadPicture(bytes.get());
        app::SplitPlan plan = app::PlanSplit(request);
        EXPECT_EQ(plan.problem, app::PlanProblem::kNone);
        app::SplitJob job = app::MakeSplitJob(bytes.get(), handle, plan, request.mode);
        app::UnloadPicture(handle);

        SplitOutcome outcome;
        fs::path out = folder_ / "out";
        FolderWatch watch(out);
        std::vector<std::thread> worker;
        worker.emplace_back([&] { outcome.written = app::WritePiecesAndPage(job, gbk(out / "cover"), route); });
        window_test::JoinWhilePumping(worker, kSplitLimitMs);
        // The changes of the last moments reach the watch after the split.
        window_test::Pump(200);
        outcome.order = watch.finish();
        for (const fs::directory_entry& entry : fs::directory_iterator(out)) {
            if (entry.is_regular_file()) {
                outcome.files[gbk(entry.path().filename())] = ReadAll(entry.path());
            }
        }
        std::erase_if(outcome.order, [&](const std::wstring& name) { return !outcome.files.count(gbk(name)); });
        for (const auto& [name, bytes] : outcome.files) {
            fs::remove(out / name);
        }
        return outcome;
    }

    // Both routes on the picture: the same files, byte for byte, appearing in the same order.
    void expectTheSameFiles(const fs::path& picture, const app::SplitRequest& request, size_t pieces)
    {
        SplitOutcome boards = split(picture, request, app::PieceRoute::kBoards);
        SplitOutcome pixels = split(picture, request, app::PieceRoute::kPixels);
        ASSERT_TRUE(boards.written);
        ASSERT_TRUE(pixels.written);
        ASSERT_EQ(boards.files.size(), pieces + 1) << "the pieces and the page, nothing else";
        EXPECT_TRUE(boards.files.count("index.html"));
        for (const auto& [name, bytes] : boards.files) {
            ASSERT_TRUE(pixels.files.count(name)) << name;
            EXPECT_TRUE(pixels.files[name] == bytes) << name << " differs";
        }
        EXPECT_EQ(pixels.files.size(), boards.files.size());
        std::vector<std::wstring> expected{L"index.html"};
        for (size_t n = 1; n <= pieces; ++n) {
            expected.push_back(L"cover-" + std::to_wstring(n) + L".jpg");
        }
        EXPECT_EQ(boards.order, expected);
        EXPECT_EQ(pixels.order, expected);
    }

    fs::path folder_;
};

// Answers the box the split shows when it cannot write a file, from a thread of its own while the
// split runs: the worker shows it, this test's thread pumps.
class BoxAnswerer {
public:
    BoxAnswerer()
        : thread_([this] { answered_ = automation::AnswerMessageBox(GetCurrentProcessId(), IDOK, kSplitLimitMs); })
    {
    }
    bool answered()
    {
        thread_.join();
        return answered_;
    }

private:
    std::atomic<bool> answered_{false};
    std::thread thread_;
};

app::SplitRequest ByCount(double rows, double columns, int width, int height)
{
    return {app::SplitMode::kByCount, rows, columns, 0, 0, width, height};
}

app::SplitRequest BySize(double pieceWidth, double pieceHeight, int width, int height)
{
    return {app::SplitMode::kBySize, 0, 0, pieceWidth, pieceHeight, width, height};
}

TEST_F(SplitRoutesTest, ByCountBothRoutesWriteTheSameFiles)
{
    // 37 pixels give rows of 111 bytes, drawn through a device bitmap; 40 give rows of 120 bytes,
    // drawn straight from the picture's rows. Cells leave the picture's last columns and rows out.
    expectTheSameFiles(picture(37, 23, true), ByCount(3, 5, 37, 23), 15);
    expectTheSameFiles(picture(40, 30, true), ByCount(2, 3, 40, 30), 6);
    expectTheSameFiles(picture(33, 21, false), ByCount(3, 4, 33, 21), 12);
}

TEST_F(SplitRoutesTest, BySizeBothRoutesWriteTheSameFilesWherePiecesReachPastThePicture)
{
    // The last column and row reach past the picture's right and bottom edges: there the pieces
    // show the cell board's background.
    expectTheSameFiles(picture(37, 23, true), BySize(10, 8, 37, 23), 12);
    // Fractional sizes: cells start at truncated multiples and overlap by a pixel now and then.
    expectTheSameFiles(picture(41, 29, true), BySize(7.5, 6.3, 41, 29), 30);
    // One piece larger than the whole picture.
    expectTheSameFiles(picture(20, 12, false), BySize(30, 20, 20, 12), 1);
}

TEST_F(SplitRoutesTest, APieceThatCannotBeWrittenStopsBothRoutesAlikeLeavingTheEarlierPieces)
{
    // A folder holds the third piece's name: the pieces before it stay, the page goes, and the
    // pieces made ahead of it by the encoders leave nothing behind.
    fs::path jpeg = picture(60, 40, true);
    fs::create_directory(folder_ / "out" / "cover-3.jpg");
    std::map<app::PieceRoute, SplitOutcome> outcomes;
    for (app::PieceRoute route : {app::PieceRoute::kBoards, app::PieceRoute::kPixels}) {
        BoxAnswerer answerer;
        outcomes[route] = split(jpeg, ByCount(4, 5, 60, 40), route);
        EXPECT_TRUE(answerer.answered());
        EXPECT_FALSE(outcomes[route].written);
    }
    const SplitOutcome& boards = outcomes[app::PieceRoute::kBoards];
    const SplitOutcome& pixels = outcomes[app::PieceRoute::kPixels];
    EXPECT_EQ(boards.order, (std::vector<std::wstring>{L"cover-1.jpg", L"cover-2.jpg"}));
    EXPECT_EQ(pixels.order, boards.order);
    EXPECT_TRUE(pixels.files == boards.files);
}

}  // namespace
