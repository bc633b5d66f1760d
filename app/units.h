// The units of the program's two windows as the application reaches them, and the indexes of the
// properties it reads and writes.
#pragma once

#include "app/runtime_calls.h"
#include "data/program_windows.h"
#include "runtime/templates/unit_kinds.h"

namespace app {

namespace property {
// Every kind.
inline constexpr int kLeft = 0;
inline constexpr int kTop = 1;
inline constexpr int kWidth = 2;
inline constexpr int kHeight = 3;
inline constexpr int kVisible = 5;
inline constexpr int kDisabled = 6;
// The kinds' own, by index.
inline constexpr int kTitle = 8;        // window
inline constexpr int kContent = 8;      // EditBox
inline constexpr int kCaption = 8;      // Label, HyperLinker
inline constexpr int kChecked = 18;     // CheckBox, RadioBox
inline constexpr int kFileName = 10;    // CommonDlg
inline constexpr int kInitialDir = 13;  // CommonDlg
inline constexpr int kPosition = 13;    // ProcessBar
inline constexpr int kPenType = 14;     // DrawPanel
inline constexpr int kPenColour = 17;   // DrawPanel
inline constexpr int kLinkType = 9;     // HyperLinker
inline constexpr int kWebAddress = 11;  // HyperLinker
inline constexpr int kAddress = 11;     // HtmlViewer
}  // namespace property

namespace units {

namespace mw = data::main_window;
namespace pw = data::preview_window;

inline constexpr Unit kMainWindow{mw::kId, 0, rt::kWindowKind};
inline constexpr Unit kOpenDialog{mw::kId, mw::kOpenDialog, rt::kCommonDlgKind};            // 通用对话框1
inline constexpr Unit kSaveDialog{mw::kId, mw::kSaveDialog, rt::kCommonDlgKind};            // 通用对话框2
inline constexpr Unit kPreviewBoard{mw::kId, mw::kPreviewBoard, rt::kBoardKind};            // 画板3
inline constexpr Unit kPictureBoard{mw::kId, mw::kPictureBoard, rt::kBoardKind};            // 画板1
inline constexpr Unit kCellBoard{mw::kId, mw::kCellBoard, rt::kBoardKind};                  // 画板2
inline constexpr Unit kRowsEdit{mw::kId, mw::kRowsEdit, rt::kEditBoxKind};                  // 编辑框1
inline constexpr Unit kColumnsEdit{mw::kId, mw::kColumnsEdit, rt::kEditBoxKind};            // 编辑框2
inline constexpr Unit kPieceWidthEdit{mw::kId, mw::kPieceWidthEdit, rt::kEditBoxKind};      // 编辑框3
inline constexpr Unit kPieceHeightEdit{mw::kId, mw::kPieceHeightEdit, rt::kEditBoxKind};    // 编辑框4
inline constexpr Unit kResizeHeightEdit{mw::kId, mw::kResizeHeightEdit, rt::kEditBoxKind};  // 编辑框5
inline constexpr Unit kResizeWidthEdit{mw::kId, mw::kResizeWidthEdit, rt::kEditBoxKind};    // 编辑框6
inline constexpr Unit kBySizeRadio{mw::kId, mw::kBySizeRadio, rt::kRadioBoxKind};           // 单选框2
inline constexpr Unit kResizeCheck{mw::kId, mw::kResizeCheck, rt::kCheckBoxKind};           // 选择框1
inline constexpr Unit kBusyLabel{mw::kId, mw::kBusyLabel, rt::kLabelKind};                  // 标签3
inline constexpr Unit kProgressBar{mw::kId, mw::kProgressBar, rt::kProcessBarKind};         // 进度条1
inline constexpr Unit kPictureNameLabel{mw::kId, mw::kPictureNameLabel, rt::kLabelKind};    // 图片名称标签
inline constexpr Unit kPictureSizeLabel{mw::kId, mw::kPictureSizeLabel, rt::kLabelKind};    // 尺寸标签
inline constexpr Unit kFeedbackLabel{mw::kId, mw::kFeedbackLabel, rt::kLabelKind};          // 标签10
inline constexpr Unit kLinks[3] = {{mw::kId, mw::kLink1, rt::kHyperLinkerKind},             // 超级链接框1..3
                                   {mw::kId, mw::kLink2, rt::kHyperLinkerKind},
                                   {mw::kId, mw::kLink3, rt::kHyperLinkerKind}};
inline constexpr Unit kMainNoticeView{mw::kId, mw::kNoticeView, rt::kHtmlViewerKind};  // 超文本浏览框1

inline constexpr Unit kPreviewWindow{pw::kId, 0, rt::kWindowKind};
inline constexpr Unit kPageView{pw::kId, pw::kPageView, rt::kHtmlViewerKind};             // 超文本浏览框1
inline constexpr Unit kPreviewNoticeView{pw::kId, pw::kNoticeView, rt::kHtmlViewerKind};  // 超文本浏览框2

}  // namespace units

}  // namespace app
