#include "tools/split_run/run_job.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tools/automation/cli_output.h"
#include "tools/automation/screenshot.h"
#include "tools/automation/wait.h"
#include "tools/automation/window_query.h"
#include "tools/splitter_driver/driver_error.h"
#include "tools/splitter_driver/folder_windows.h"
#include "tools/splitter_driver/notice_server.h"
#include "tools/splitter_driver/program_texts.h"
#include "tools/splitter_driver/splitter.h"

namespace split_run {
namespace {

namespace fs = std::filesystem;
using automation::cli::PrintError;
using automation::cli::PrintLine;
using splitter::DriverError;
using splitter::Splitter;

constexpr DWORD kNoticeTimeoutMs = 10000;
constexpr DWORD kFolderWindowTimeoutMs = 10000;

void Screenshot(const fs::path& path, HWND window = nullptr)
{
    const bool saved =
        window ? automation::SaveWindowScreenshot(window, path.wstring()) : automation::SaveScreenshot(path.wstring());
    if (!saved) {
        throw DriverError(L"cannot write " + path.wstring());
    }
    PrintLine(L"screenshot: " + path.wstring());
}

void WaitForNoticeLinks(const Splitter& program)
{
    const auto& links = program.units().links;
    const bool shown = automation::WaitFor(kNoticeTimeoutMs, [&] {
        return std::all_of(links.begin(), links.end(), [](HWND link) { return !automation::WindowText(link).empty(); });
    });
    if (!shown) {
        throw DriverError(L"the notice links did not show three entries");
    }
    for (size_t i = 0; i < links.size(); ++i) {
        PrintLine(L"notice link " + std::to_wstring(i + 1) + L": " + automation::WindowText(links[i]));
    }
}

void ChoosePictureAndGrid(Splitter& program, const RunOptions& options)
{
    if (options.job != Job::kSplitPicture) {
        return;
    }
    program.OpenPicture(options.picture);
    PrintLine(L"picture: " + program.PictureName() + L", " + program.PictureSize());
    if (options.size) {
        program.ChooseBySize();
        program.SetPieceSize(options.size->first, options.size->second);
    } else {
        program.ChooseByCount();
        program.SetCount(options.count->first, options.count->second);
    }
    if (options.resize) {
        program.SetResize(true);
        program.SetResizeSize(options.resize->first, options.resize->second);
    }
}

// The screen while the progress bar moves, or, when the split is over before it is seen moving,
// at the question with the full bar.
splitter::SeenMessageBox WatchSplit(Splitter& program, const fs::path& screenshots)
{
    bool taken = false;
    std::optional<splitter::SeenMessageBox> box;
    const automation::Deadline deadline(splitter::kSplitTimeoutMs);
    while (!box && deadline.Remaining() > 0) {
        if (!taken && IsWindowVisible(program.units().progressBar) && program.ProgressPosition() > 0) {
            Screenshot(screenshots / L"split_progress.png");
            taken = true;
        }
        box = program.FindMessageBoxWithin(10);
    }
    if (!box) {
        throw DriverError(L"the split did not end in time");
    }
    if (!taken) {
        Screenshot(screenshots / L"split_progress.png");
    }
    return *box;
}

// The width and height a JPEG file's frame header gives, as "W×H"; "not a JPEG" otherwise.
std::wstring JpegSize(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    auto at = [&](size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(bytes[i])); };
    for (size_t i = 2; i + 9 < bytes.size() && at(i) == 0xFF;) {
        const unsigned marker = at(i + 1);
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            return std::to_wstring(at(i + 7) << 8 | at(i + 8)) + L"×" + std::to_wstring(at(i + 5) << 8 | at(i + 6));
        }
        i += 2 + (at(i + 2) << 8 | at(i + 3));
    }
    return L"not a JPEG";
}

void PrintOutput(const std::wstring& saveName)
{
    int pieces = 0;
    for (int n = 1;; ++n) {
        const fs::path piece = saveName + L"-" + std::to_wstring(n) + L".jpg";
        std::error_code error;
        const uintmax_t size = fs::file_size(piece, error);
        if (error) {
            break;
        }
        PrintLine(L"piece " + std::to_wstring(n) + L": " + piece.wstring() + L" " + JpegSize(piece) + L", " +
                  std::to_wstring(size) + L" bytes");
        ++pieces;
    }
    const fs::path page = splitter::FolderOf(saveName) + splitter::texts::kPage;
    std::error_code error;
    const uintmax_t pageSize = fs::file_size(page, error);
    if (pieces == 0 || error) {
        throw DriverError(L"the split left no pieces or no page");
    }
    PrintLine(L"pieces: " + std::to_wstring(pieces));
    PrintLine(L"page: " + page.wstring() + L", " + std::to_wstring(pageSize) + L" bytes");
}

void SplitOnce(Splitter& program, const RunOptions& options)
{
    const fs::path screenshots = options.screenshots;
    fs::create_directories(screenshots);
    ChoosePictureAndGrid(program, options);
    program.PressPreview();
    program.WaitForBoardStill(true);
    Screenshot(screenshots / L"main_window.png", program.mainWindow());

    program.PressSplit();
    program.Save(options.saveName);
    PrintLine(L"save name: " + options.saveName);
    splitter::SeenMessageBox box = WatchSplit(program, screenshots);
    if (box.text != splitter::texts::kDoneQuestion) {
        Screenshot(screenshots / L"failure.png");
        throw DriverError(L"the program reported: " + box.text);
    }
    Screenshot(screenshots / L"final_question.png");
    program.AnswerFinalQuestion(box, true);
    HWND preview = program.WaitForPreviewWindow();
    const std::wstring folderName = splitter::FolderName(splitter::FolderOf(options.saveName));
    if (!splitter::WaitForFolderWindow(folderName, kFolderWindowTimeoutMs)) {
        throw DriverError(L"the output folder was not opened");
    }
    PrintLine(L"folder window: " + folderName);
    // The folder's window stands in front of the preview; it has been seen, so it goes first.
    splitter::CloseFolderWindows(folderName, kFolderWindowTimeoutMs);
    Screenshot(screenshots / L"preview_window.png", preview);
    PrintOutput(options.saveName);
}

int StartForUser(const splitter::ProgramFolder& folder)
{
    automation::ChildProcess program = automation::Launch(folder.program().wstring(), L"", folder.folder().wstring());
    if (!program) {
        throw DriverError(L"cannot start " + folder.program().wstring());
    }
    PrintLine(L"the program runs from " + folder.folder().wstring() + L"; it ends when its windows are closed");
    const std::optional<DWORD> code = program.WaitForExit(INFINITE);
    return code == 0u ? 0 : 1;
}

}  // namespace

int RunJob(const RunOptions& options)
{
    try {
        splitter::ProgramFolder folder(options.program, options.folder, splitter::ProgramFolder::AtEnd::kKeep);
        splitter::NoticeServer notice(splitter::BodiesFromFolder(options.noticeFolder));
        folder.SetNoticeHost(notice.host());
        PrintLine(L"notice server: http://" + splitter::Wide(notice.host()));
        if (options.job == Job::kStart) {
            return StartForUser(folder);
        }
        Splitter program(folder);
        WaitForNoticeLinks(program);
        SplitOnce(program, options);
        const DWORD code = program.Close();
        PrintLine(L"exit code: " + std::to_wstring(code));
        return code == 0 ? 0 : 1;
    } catch (const DriverError& error) {
        PrintError(L"split_run: " + splitter::Wide(error.what()));
        return 1;
    }
}

}  // namespace split_run
