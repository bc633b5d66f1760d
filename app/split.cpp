#include "app/split.h"

#include <utility>

#include "app/commands.h"
#include "app/messages.h"
#include "app/picture_files.h"
#include "app/preview_page.h"
#include "app/units.h"
#include "app/variables.h"

namespace app {
namespace {

namespace p = property;
using units::kCellBoard;
using units::kPictureBoard;

constexpr int32_t kCopyMode = 1;

// What the worker splits: its own copy of the picture's bytes, so that opening or previewing
// another picture meanwhile changes nothing, and the grid checked before it started.
struct SplitJob {
    ByteSet pictureBytes;
    SplitPlan plan;
    SplitMode mode = SplitMode::kByCount;
};

// Handed from OnSplitClicked to the worker it starts; one split runs at a time.
SplitJob pendingJob;

std::string ProblemText(PlanProblem problem)
{
    switch (problem) {
    case PlanProblem::kBadCount:
        return texts::kBadCount;
    case PlanProblem::kBadSize:
        return texts::kBadSize;
    case PlanProblem::kPictureTooSmall:
        return texts::kPictureTooSmall;
    case PlanProblem::kTooManyPieces:
        return texts::kTooManyPiecesBefore + ToText(kMaxPieces) + texts::kTooManyPiecesAfter;
    case PlanProblem::kNone:
        break;
    }
    return {};
}

void Tell(const std::string& message) { MessageBox(message, 0); }

double NumberIn(const Unit& edit) { return ToNumber(ReadText(edit, p::kContent).str()); }

SplitRequest RequestFromWindow()
{
    int32_t picture = Vars().currentPicture;
    return {ReadLogical(units::kBySizeRadio, p::kChecked) ? SplitMode::kBySize : SplitMode::kByCount,
            NumberIn(units::kRowsEdit),
            NumberIn(units::kColumnsEdit),
            NumberIn(units::kPieceWidthEdit),
            NumberIn(units::kPieceHeightEdit),
            PictureWidth(kPictureBoard, picture),
            PictureHeight(kPictureBoard, picture)};
}

// Reads the picture to split into PictureBytes and CurrentPicture; false when it does not decode.
bool LoadPictureToSplit()
{
    Variables& v = Vars();
    std::string name = ReadText(units::kOpenDialog, p::kFileName).str();
    std::string path = name.empty() ? RunDirectory() + "\\" + texts::kDefaultPictureName : DecodablePicturePath(name);
    AssignByteSet(v.pictureBytes, ReadFile(path));
    ReplaceCurrentPicture(LoadPicture(path));
    return v.currentPicture != 0;
}

// The picture stretched to the size the resize boxes give, through the JPEG copy: drawn on the
// picture board, taken back as BMP bytes, written and rewritten as JPEG, and read again. The copy
// is removed once read: it is not the PNG picture's copy any more.
bool ResizePictureToSplit()
{
    Variables& v = Vars();
    double width = NumberIn(units::kResizeWidthEdit);
    double height = NumberIn(units::kResizeHeightEdit);
    if (!(width >= 1 && width <= kMaxPictureSide && height >= 1 && height <= kMaxPictureSide)) {
        Tell(texts::kBadResize);
        return false;
    }
    int32_t tw = Trunc(width);
    int32_t th = Trunc(height);
    WriteInt(kPictureBoard, p::kWidth, Trunc(tw + 2.0));
    WriteInt(kPictureBoard, p::kHeight, Trunc(th + 2.0));
    DrawPicture(kPictureBoard, v.currentPicture, 0, 0, tw, th, kCopyMode);
    ByteSet bmp = GetPictureData(kPictureBoard, tw, th);
    std::string copy = JpegCopyPath();
    bool resized = !bmp.empty() && WriteFile(copy, bmp.get()) && ConvertToJpeg(copy, copy);
    if (resized) {
        AssignByteSet(v.pictureBytes, ReadFile(copy));
        ReplaceCurrentPicture(LoadPicture(copy));
        resized = v.currentPicture != 0;
    }
    DeleteFile(copy);
    if (!resized) {
        Tell(texts::kResizeFailed);
    }
    return resized;
}

// Closes the page when the split leaves; a page that was not finished is removed.
class PageFile {
public:
    PageFile(int32_t file, std::string path) : file_(file), path_(std::move(path)) {}
    PageFile(const PageFile&) = delete;
    PageFile& operator=(const PageFile&) = delete;
    ~PageFile()
    {
        CloseFile(file_);
        if (!finished_) {
            DeleteFile(path_);
        }
    }

    bool write(const std::string& text) { return WriteTextToFile(file_, text); }
    void finish() { finished_ = true; }

private:
    int32_t file_;
    std::string path_;
    bool finished_ = false;
};

// The piece file: the BMP bytes written under the piece's name, then rewritten in place as a JPEG.
// A file that could not become a JPEG is removed, never left as a BMP under a .jpg name.
bool WritePiece(const std::string& name, const ByteSet& piece)
{
    if (piece.empty() || !WriteFile(name, piece.get())) {
        return false;
    }
    ProcessEvents();
    Sleep(1);
    if (!ConvertToJpeg(name, name)) {
        DeleteFile(name);
        return false;
    }
    ProcessEvents();
    Sleep(1);
    return true;
}

// Steps 5 to 10: the page and every piece in reading order; false, after telling the user which
// file failed, when one could not be written.
bool WritePiecesAndPage(const SplitJob& job, const std::string& saveName, const std::string& pagePath)
{
    WriteFile(pagePath, ToByteSet("").get());
    int32_t file = OpenFile(pagePath);
    if (file == 0) {
        Tell(texts::kPageNotWritten + pagePath);
        return false;
    }
    PageFile page(file, pagePath);
    bool written = page.write(PageHead());
    int32_t n = 0;
    for (int32_t row = 1; written && row <= job.plan.rows; ++row) {
        written = page.write(RowStart());
        for (int32_t column = 1; written && column <= job.plan.columns; ++column) {
            ++n;
            CutRect cut = CellCut(job.plan, row, column);
            std::string name = saveName + "-" + ToText(n) + ".jpg";
            if (!WritePiece(name, CropPiece(job.pictureBytes.get(), cut.x, cut.y, cut.width, cut.height))) {
                Tell(texts::kPieceNotWritten + name);
                return false;
            }
            written = page.write(PieceCell(name));
            WriteInt(units::kProgressBar, p::kPosition, ProgressAfter(n, job.plan.total()));
            Sleep(1);
        }
        if (job.mode == SplitMode::kBySize) {
            ProcessEvents();
        }
        written = written && page.write(RowEnd());
        Sleep(1);
    }
    if (!written || !page.write(PageEnd())) {
        Tell(texts::kPageNotWritten + pagePath);
        return false;
    }
    page.finish();
    return true;
}

void RunSplit(const SplitJob& job)
{
    if (!Show(units::kSaveDialog)) {
        return;
    }
    std::string saveName = ReadText(units::kSaveDialog, p::kFileName).str();
    std::string outputFolder = LeftText(saveName, FindTextReverse(saveName, "\\"));
    AssignText(Vars().outputFolder, outputFolder);
    WriteLogical(units::kBusyLabel, p::kVisible, true);
    WriteLogical(units::kProgressBar, p::kVisible, true);
    bool written = WritePiecesAndPage(job, saveName, outputFolder + "\\" + texts::kPageName);
    WriteLogical(units::kBusyLabel, p::kVisible, false);
    if (written && MessageBox(texts::kSplitDoneQuestion, kYesNoButtons) == kYesAnswer) {
        RunShellVerb(outputFolder);
        StartThread(OpenPreviewThread);
    }
    WriteInt(units::kProgressBar, p::kPosition, 0);
    WriteLogical(units::kProgressBar, p::kVisible, false);
}

}  // namespace

rt::SubReturn OnSplitClicked(const int32_t*, int)
{
    Variables& v = Vars();
    if (v.splitRunning) {
        Tell(texts::kSplitRunning);
        return {};
    }
    if (!LoadPictureToSplit()) {
        Tell(texts::kPictureUnreadable);
        return {};
    }
    if (ReadLogical(units::kResizeCheck, p::kChecked) && !ResizePictureToSplit()) {
        return {};
    }
    SplitRequest request = RequestFromWindow();
    SplitPlan plan = PlanSplit(request);
    if (plan.problem != PlanProblem::kNone) {
        Tell(ProblemText(plan.problem));
        return {};
    }
    pendingJob = {CopyOfByteSet(v.pictureBytes), plan, request.mode};
    v.splitRunning = true;
    if (!StartThread(SplitWorker)) {
        pendingJob = {};
        v.splitRunning = false;
    }
    return {};
}

int32_t SplitWorker(int32_t)
{
    SplitJob job = std::move(pendingJob);
    RunSplit(job);
    Vars().splitRunning = false;
    return 0;
}

ByteSet CropPiece(const void* pictureBytes, int32_t x, int32_t y, int32_t width, int32_t height)
{
    Clear(kPictureBoard);
    Clear(kCellBoard);
    WriteInt(kCellBoard, p::kWidth, width);
    WriteInt(kCellBoard, p::kHeight, height);
    int32_t picture = LoadPicture(pictureBytes);
    if (picture == 0) {
        return {};
    }
    // The picture board's drawing area, 2 pixels smaller than the board, holds the whole picture,
    // so the pieces of the last column and row get the picture's last pixels too.
    int32_t pictureWidth = PictureWidth(kPictureBoard, picture);
    int32_t pictureHeight = PictureHeight(kPictureBoard, picture);
    WriteInt(kPictureBoard, p::kWidth, pictureWidth + 2);
    WriteInt(kPictureBoard, p::kHeight, pictureHeight + 2);
    DrawPictureAtOwnSize(kPictureBoard, picture, pictureWidth, pictureHeight);
    Copy(kPictureBoard, x, y, width, height, kCellBoard, 0, 0, kCopyMode);
    ByteSet piece = GetPictureData(kCellBoard);
    UnloadPicture(picture);
    return piece;
}

int32_t OpenPreviewThread(int32_t)
{
    RaiseFeedback(units::kFeedbackLabel, 0, 0, false);
    return 0;
}

}  // namespace app
