#include "app/split.h"

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "app/commands.h"
#include "app/messages.h"
#include "app/picture_files.h"
#include "app/pixel_pieces.h"
#include "app/preview_page.h"
#include "app/split_files.h"
#include "app/units.h"
#include "app/variables.h"

namespace app {
namespace {

namespace p = property;
using units::kCellBoard;
using units::kPictureBoard;

constexpr int32_t kCopyMode = 1;

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

// What the worker tells the user; nothing once the program is ending under the split.
void TellFromWorker(const std::string& message)
{
    StopIfProgramEnding();
    Tell(message);
}

// The page, created empty (or emptied) and opened; closed when the split leaves, and removed
// unless it was finished. Every write is a step of the split's files.
class PageFile {
public:
    explicit PageFile(std::string path) : path_(std::move(path))
    {
        WriteSplitFiles([&] {
            WriteFile(path_, ToByteSet("").get());
            file_ = OpenFile(path_);
            if (file_ != 0) {
                SplitPageOpened(file_, path_);
            }
        });
    }
    PageFile(const PageFile&) = delete;
    PageFile& operator=(const PageFile&) = delete;
    ~PageFile()
    {
        WriteSplitFiles([&] {
            if (file_ != 0) {
                CloseFile(file_);
                if (!finished_) {
                    DeleteFile(path_);
                }
                SplitPageDone();
            }
        });
    }

    bool opened() const { return file_ != 0; }

    bool write(const std::string& text)
    {
        bool written = false;
        WriteSplitFiles([&] { written = WriteTextToFile(file_, text); });
        return written;
    }

    // Writes the page's last text; once it is written the page stays.
    bool finish(const std::string& text)
    {
        WriteSplitFiles([&] {
            finished_ = WriteTextToFile(file_, text);
            if (finished_) {
                SplitPageDone();
            }
        });
        return finished_;
    }

private:
    std::string path_;
    int32_t file_ = 0;
    bool finished_ = false;
};

// A name beside the piece's for its BMP bytes, taken by no file yet.
std::string FreeNameBeside(const std::string& name)
{
    for (int32_t n = 0;; ++n) {
        std::string candidate = name + "." + ToText(n) + ".bmp";
        if (!FileExists(candidate)) {
            return candidate;
        }
    }
}

// The piece file from the cell board's BMP bytes: written beside the piece, rewritten as a JPEG
// under the piece's name, and removed. The piece's name only ever holds a whole JPEG.
bool WritePiece(const std::string& name, const ByteSet& piece)
{
    if (piece.empty()) {
        return false;
    }
    bool written = false;
    WriteSplitFiles([&] {
        std::string bmp = FreeNameBeside(name);
        written = WriteFile(bmp, piece.get()) && ConvertToJpeg(bmp, name);
        DeleteFile(bmp);
    });
    ProcessEvents();
    Sleep(1);
    return written;
}

// The piece files of the plan in reading order: the save name, "-", the piece number and ".jpg".
std::vector<PieceFile> PieceFiles(const SplitPlan& plan, const std::string& saveName)
{
    std::vector<PieceFile> pieces;
    int32_t n = 0;
    for (int32_t row = 1; row <= plan.rows; ++row) {
        for (int32_t column = 1; column <= plan.columns; ++column) {
            pieces.push_back({saveName + "-" + ToText(++n) + ".jpg", CellCut(plan, row, column)});
        }
    }
    return pieces;
}

// The cell board's background colour (0x00BBGGRR) as its BMP bytes give it: what a piece shows
// where its cell leaves the picture.
std::optional<uint32_t> CellBoardBackground()
{
    constexpr int32_t kOnePixelBoard = 3;
    constexpr size_t kFirstPixel = 54;
    WriteInt(kCellBoard, p::kWidth, kOnePixelBoard);
    WriteInt(kCellBoard, p::kHeight, kOnePixelBoard);
    Clear(kCellBoard);
    ByteSet bmp = GetPictureData(kCellBoard);
    if (bmp.size() < kFirstPixel + 3) {
        return std::nullopt;
    }
    const uint8_t* pixel = rt::ByteSetData(bmp.get()) + kFirstPixel;
    return uint32_t{pixel[0]} << 16 | uint32_t{pixel[1]} << 8 | pixel[2];
}

// Makes the pieces in order: from the picture's pixels when the route and the picture allow it,
// else through the scratch boards.
class PieceMaker {
public:
    PieceMaker(const SplitJob& job, const std::vector<PieceFile>& pieces, PieceRoute route) : job_(job), pieces_(pieces)
    {
        if (route == PieceRoute::kPixels) {
            if (std::optional<uint32_t> background = CellBoardBackground()) {
                pixels_ = PixelPieces::Start(job.picture, pieces, *background);
            }
        }
    }

    // Leaves piece index (from 0) complete under its name; false when it could not be written.
    bool write(size_t index)
    {
        if (pixels_) {
            return pixels_->write(index);
        }
        const CutRect& cut = pieces_[index].cut;
        return WritePiece(pieces_[index].name, CropPiece(job_.pictureBytes.get(), cut.x, cut.y, cut.width, cut.height));
    }

    // Stops making pieces: those made but not under their names yet are removed.
    void stop() { pixels_.reset(); }

private:
    const SplitJob& job_;
    const std::vector<PieceFile>& pieces_;
    std::unique_ptr<PixelPieces> pixels_;
};

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
    bool written = WritePiecesAndPage(job, saveName, PieceRoute::kPixels);
    WriteLogical(units::kBusyLabel, p::kVisible, false);
    if (written && MessageBox(texts::kSplitDoneQuestion, kYesNoButtons) == kYesAnswer) {
        RunShellVerb(outputFolder);
        StartThread(OpenPreviewThread);
    }
    WriteInt(units::kProgressBar, p::kPosition, 0);
    WriteLogical(units::kProgressBar, p::kVisible, false);
}

}  // namespace

bool WritePiecesAndPage(const SplitJob& job, const std::string& saveName, PieceRoute route)
{
    std::string pagePath = LeftText(saveName, FindTextReverse(saveName, "\\")) + "\\" + texts::kPageName;
    PageFile page(pagePath);
    if (!page.opened()) {
        TellFromWorker(texts::kPageNotWritten + pagePath);
        return false;
    }
    bool written = page.write(PageHead());
    std::vector<PieceFile> pieces = PieceFiles(job.plan, saveName);
    PieceMaker maker(job, pieces, route);
    size_t n = 0;
    for (int32_t row = 1; written && row <= job.plan.rows; ++row) {
        written = page.write(RowStart());
        for (int32_t column = 1; written && column <= job.plan.columns; ++column, ++n) {
            if (!maker.write(n)) {
                maker.stop();
                TellFromWorker(texts::kPieceNotWritten + pieces[n].name);
                return false;
            }
            written = page.write(PieceCell(pieces[n].name));
            WriteInt(units::kProgressBar, p::kPosition, ProgressAfter(static_cast<int32_t>(n + 1), job.plan.total()));
        }
        if (job.mode == SplitMode::kBySize) {
            ProcessEvents();
        }
        written = written && page.write(RowEnd());
    }
    if (!written || !page.finish(PageEnd())) {
        TellFromWorker(texts::kPageNotWritten + pagePath);
        return false;
    }
    return true;
}

SplitJob MakeSplitJob(const void* pictureBytes, int32_t picture, const SplitPlan& plan, SplitMode mode)
{
    return {CopyOfByteSet(pictureBytes), pictures::AcquirePicture(picture), plan, mode};
}

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
    pendingJob = MakeSplitJob(v.pictureBytes, v.currentPicture, plan, request.mode);
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
