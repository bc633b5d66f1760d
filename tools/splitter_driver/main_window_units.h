// The units of the program's main window as a user sees them, found by their kinds' window
// classes, their texts and where they sit, never by control ids (the loader numbers them).
#pragma once

#include <windows.h>

#include <array>
#include <optional>

namespace splitter {

struct MainWindowUnits {
    HWND window = nullptr;
    HWND openButton = nullptr;     // 打开钮
    HWND previewButton = nullptr;  // 预览钮
    HWND splitButton = nullptr;    // 分割钮
    HWND byCountRadio = nullptr;   // 单选框1
    HWND bySizeRadio = nullptr;    // 单选框2
    HWND resizeCheck = nullptr;    // 选择框1
    // The edit boxes from the top: rows, columns, piece width, piece height, then in the resize
    // frame the target height above the target width.
    HWND rowsEdit = nullptr;
    HWND columnsEdit = nullptr;
    HWND pieceWidthEdit = nullptr;
    HWND pieceHeightEdit = nullptr;
    HWND resizeHeightEdit = nullptr;
    HWND resizeWidthEdit = nullptr;
    HWND previewBoard = nullptr;      // 画板3, the one shown drawing board
    HWND busyLabel = nullptr;         // 标签3 inside the board
    HWND progressBar = nullptr;       // 进度条1
    HWND pictureNameLabel = nullptr;  // right of "图片名称:"
    HWND pictureSizeLabel = nullptr;  // right of "尺寸:"
    std::array<HWND, 3> links{};      // 超级链接框1..3, from the top
    HWND noticeView = nullptr;        // 超文本浏览框1, hidden
};

// Nothing when a unit is missing.
std::optional<MainWindowUnits> FindMainWindowUnits(HWND window);

}  // namespace splitter
