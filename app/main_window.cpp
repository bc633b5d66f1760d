#include "app/main_window.h"

#include "app/commands.h"
#include "app/messages.h"
#include "app/notice.h"
#include "app/picture_files.h"
#include "app/units.h"
#include "app/variables.h"
#include "data/constant_data.h"

namespace app {
namespace {

namespace p = property;
using units::kPictureBoard;
using units::kPreviewBoard;

constexpr int32_t kSolidPen = 1;
constexpr int32_t kRed = 255;
constexpr int32_t kCopyMode = 1;
constexpr int32_t kGridLineDelayMs = 10;
constexpr int32_t kSilverScheme = 3;

// The picture stretched to the board's width and three quarters of it as height, whatever its own
// proportions. The drawn picture is released again.
void DrawOnPreviewBoard(const std::string& path)
{
    float scale = Vars().previewScale;
    int32_t picture = LoadPicture(path);
    DrawPicture(kPreviewBoard, picture, 0, 0, Trunc(scale * 1024.0), Trunc(scale * 768.0), kCopyMode);
    UnloadPicture(picture);
}

void ShowPictureSize()
{
    int32_t picture = Vars().currentPicture;
    WriteText(units::kPictureSizeLabel, p::kCaption,
              ToText(PictureWidth(kPictureBoard, picture)) + texts::kSizeSeparator +
                  ToText(PictureHeight(kPictureBoard, picture)));
}

void EnableEdits(const Unit& first, const Unit& second, bool enabled)
{
    WriteLogical(first, p::kDisabled, !enabled);
    WriteLogical(second, p::kDisabled, !enabled);
}

// A positive, finite number read from an edit box; 0 otherwise.
double PositiveNumberIn(const Unit& edit)
{
    double value = ToNumber(ReadText(edit, p::kContent).str());
    return value > 0 && value < 1e9 ? value : 0;
}

void DrawRow(int32_t y)
{
    DrawLine(kPreviewBoard, 1, y, ReadInt(kPreviewBoard, p::kWidth), y);
    ProcessEvents();
    Sleep(kGridLineDelayMs);
}

void DrawColumn(int32_t x, int32_t top)
{
    DrawLine(kPreviewBoard, x, top, x, ReadInt(kPreviewBoard, p::kHeight));
    ProcessEvents();
    Sleep(kGridLineDelayMs);
}

// Lines of the board's grid, one pair per step, until both have left the board: lines beyond its
// edge show nothing.
void DrawGridBySize(double pieceWidth, double pieceHeight)
{
    int32_t width = ReadInt(kPreviewBoard, p::kWidth);
    for (int32_t i = 1; i <= width; ++i) {
        int32_t y = Trunc(pieceHeight * i);
        int32_t x = Trunc(pieceWidth * i);
        if (y > ReadInt(kPreviewBoard, p::kHeight) && x > ReadInt(kPreviewBoard, p::kWidth)) {
            return;
        }
        DrawRow(y);
        DrawColumn(x, 1);
    }
}

void DrawGridByCount(double rows, double columns)
{
    int32_t width = ReadInt(kPreviewBoard, p::kWidth);
    for (int32_t i = 1; i <= width; ++i) {
        double boardWidth = ReadInt(kPreviewBoard, p::kWidth);
        double boardHeight = ReadInt(kPreviewBoard, p::kHeight);
        int32_t y = Trunc(i * boardHeight / rows);
        int32_t x = Trunc(i * boardWidth / columns);
        if (y > boardHeight && x > boardWidth) {
            return;
        }
        DrawLine(kPreviewBoard, 1, y, Trunc(boardWidth), Trunc(boardHeight / rows * i));
        ProcessEvents();
        Sleep(kGridLineDelayMs);
        DrawColumn(x, Trunc(i / boardHeight));
    }
}

rt::SubReturn OnLinkPressed(const Unit& link)
{
    OpenLink(link);
    return {};
}

}  // namespace

rt::SubReturn OnMainWindowCreated(const int32_t*, int)
{
    WriteText(units::kMainWindow, p::kTitle, texts::kMainWindowTitle);
    if (!FileExists(RunDirectory() + "\\" + texts::kDefaultPictureName)) {
        WriteFile(texts::kDefaultPictureName, &data::kConstantData.defaultPicture);
    }
    SetXpStyle(kSilverScheme);
    WriteText(units::kOpenDialog, p::kInitialDir, texts::kComputerFolder);
    ReadNoticeHost();
    StartThread(NoticeThread);
    return {};
}

rt::SubReturn OnMainWindowDestroyed(const int32_t*, int)
{
    Clear(kPreviewBoard);
    Clear(kPictureBoard);
    Clear(units::kCellBoard);
    DeleteJpegCopy();
    return {};
}

rt::SubReturn OnOpenClicked(const int32_t*, int)
{
    Variables& v = Vars();
    DeleteJpegCopy();
    Show(units::kOpenDialog);
    std::string name = ReadText(units::kOpenDialog, p::kFileName).str();
    AssignText(v.pictureFolder, LeftText(name, FindTextReverse(name, "\\")));
    AssignText(v.previewSource, name);
    v.previewScale = static_cast<float>(ReadInt(kPreviewBoard, p::kWidth) / 1024.0);
    if (!name.empty()) {
        std::string path = DecodablePicturePath(name);
        DrawOnPreviewBoard(path);
        ReplaceCurrentPicture(LoadPicture(path));
        ShowPictureSize();
    }
    WriteText(units::kPictureNameLabel, p::kCaption, name);
    return {};
}

rt::SubReturn OnPreviewClicked(const int32_t*, int)
{
    Variables& v = Vars();
    Clear(kPreviewBoard);
    std::string name = ReadText(units::kOpenDialog, p::kFileName).str();
    AssignText(v.previewSource, name.empty() ? name : DecodablePicturePath(name));
    v.previewScale = static_cast<float>(ReadInt(kPreviewBoard, p::kWidth) / 1024.0);
    if (v.previewSource) {
        DrawOnPreviewBoard(v.previewSource);
    }
    ProcessEvents();
    StartThread(PreviewGridThread);
    return {};
}

int32_t PreviewGridThread(int32_t)
{
    WriteInt(kPreviewBoard, p::kPenType, kSolidPen);
    WriteInt(kPreviewBoard, p::kPenColour, kRed);
    if (ReadLogical(units::kBySizeRadio, p::kChecked)) {
        double pieceWidth = PositiveNumberIn(units::kPieceWidthEdit);
        double pieceHeight = PositiveNumberIn(units::kPieceHeightEdit);
        if (pieceWidth > 0 && pieceHeight > 0) {
            DrawGridBySize(pieceWidth, pieceHeight);
        }
    } else {
        double rows = PositiveNumberIn(units::kRowsEdit);
        double columns = PositiveNumberIn(units::kColumnsEdit);
        if (rows > 0 && columns > 0) {
            DrawGridByCount(rows, columns);
        }
    }
    return 0;
}

rt::SubReturn OnSplitByCountChosen(const int32_t*, int)
{
    EnableEdits(units::kRowsEdit, units::kColumnsEdit, true);
    EnableEdits(units::kPieceWidthEdit, units::kPieceHeightEdit, false);
    return {};
}

rt::SubReturn OnSplitBySizeChosen(const int32_t*, int)
{
    EnableEdits(units::kPieceHeightEdit, units::kPieceWidthEdit, true);
    EnableEdits(units::kRowsEdit, units::kColumnsEdit, false);
    return {};
}

rt::SubReturn OnResizeToggled(const int32_t*, int)
{
    EnableEdits(units::kResizeHeightEdit, units::kResizeWidthEdit, ReadLogical(units::kResizeCheck, p::kChecked));
    return {};
}

rt::SubReturn OnLink1Pressed(const int32_t*, int) { return OnLinkPressed(units::kLinks[0]); }
rt::SubReturn OnLink2Pressed(const int32_t*, int) { return OnLinkPressed(units::kLinks[1]); }
rt::SubReturn OnLink3Pressed(const int32_t*, int) { return OnLinkPressed(units::kLinks[2]); }

}  // namespace app
