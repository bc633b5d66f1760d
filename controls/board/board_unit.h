// The live drawing board: its properties, drawing tools, off-screen bitmap and window, and the
// work of its methods. Everything here runs on the window thread.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "controls/common/unit_look.h"
#include "controls/board/bmp_file.h"
#include "controls/board/board_bitmap.h"
#include "controls/board/drawing_context.h"
#include "controls/board/drawing_tools.h"
#include "runtime/unit_options/board_options.h"
#include "pictures/decoding/picture.h"
#include "runtime/window/unit_kind.h"

namespace rt::units {

// The board's own property numbers (index - 8).
enum BoardProperty : int {
    kBoardBorder = 0,
    kBoardBackColour,
    kBoardBackPicture,
    kBoardBackPictureMode,
    kBoardAutoRedraw,
    kBoardCoordinateUnit,
    kBoardPenType,
    kBoardDrawMode,
    kBoardPenWidth,
    kBoardPenColour,
    kBoardBrushType,
    kBoardBrushColour,
    kBoardTextColour,
    kBoardTextBackColour,
    kBoardFont,
    kBoardDrawWidth,
    kBoardDrawHeight,
    kBoardPropertyCount
};

// Optional method arguments: nullopt where the application omitted one.
using MaybeInt = std::optional<int32_t>;

struct ClearRequest {
    MaybeInt x, y, width, height;
};

struct PictureRequest {
    int32_t x = 0;
    int32_t y = 0;
    MaybeInt width, height, copyMode;
};

struct CopyRequest {
    MaybeInt x, y, width, height, targetX, targetY, copyMode;
};

class BoardUnit : public LiveUnit {
public:
    BoardUnit(const UnitCreateArgs& args, BoardOptions options);

    bool setProperty(int number, const PropertyValue& value) override;
    PropertyValue getProperty(int number) override;
    std::vector<uint8_t> serialise() override;

    // Binds the object to its window at WM_NCCREATE.
    void bind(HWND window) { handle_ = window; }
    // After CreateWindowEx: the border, then the off-screen bitmap.
    void finishCreation();
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The methods.
    void clear(const ClearRequest& request);
    void drawLine(POINT from, POINT to);
    void drawPicture(const pictures::Picture& picture, const PictureRequest& request);
    void copyTo(BoardUnit& target, const CopyRequest& request);
    // A BMP file of the drawing as a byte set, or nothing when the size is not positive, memory
    // runs out or GDI fails.
    OwnedByteSet pictureData(MaybeInt width, MaybeInt height);
    // A size in pixels in the board's coordinate unit.
    SIZE sizeInUnits(SIZE pixels) const;

private:
    // The drawing area: the client area, which the off-screen bitmap matches.
    SIZE clientSize() const;
    COLORREF backColour() const { return EffectiveBackColour(options_.BackColour); }
    // The decoded background picture, decoded on first use; undecodable bytes are dropped.
    HBITMAP backPicture();
    void paintBackground(HDC dc, SIZE area);
    DrawingSetup drawingSetup() const;

    // Builds the off-screen bitmap at the client size when AutoRedraw is on; keepContents copies
    // what fits of the old one (not over a fitted background picture).
    void rebuildBitmap(bool keepContents);
    void rebuildPen();
    void rebuildBrush();
    void rebuildFont();

    // Runs draw on each drawing target: the off-screen bitmap, then the window.
    void forEachTarget(const std::function<void(HDC)>& draw);
    // Runs draw on the window: the paint context while event 0 runs, else a context got for it.
    void onWindowContext(const std::function<void(HDC)>& draw);

    void onPaint();
    void onSize();

    BoardOptions options_;
    UniqueBitmap backPicture_;
    UniquePen pen_;
    BoardBrush brush_;
    UniqueFont font_;
    std::unique_ptr<BoardBitmap> bitmap_;
    HDC paintDc_ = nullptr;  // the paint context while event 0 runs
};

// The kind's create routine: the unit, or null when the property data is refused or the window
// cannot be made.
LiveUnit* CreateBoard(const UnitCreateArgs& args);

}  // namespace rt::units
