// The texts the application shows and writes.
#pragma once

namespace app::texts {

inline constexpr char kMainWindowTitle[] = "QQ空间相册封面拼图制作 - Zorvi图片分割软件";
inline constexpr char kComputerFolder[] = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D};   ";
inline constexpr char kDefaultPictureName[] = "vexlo.jpg";
inline constexpr char kJpegCopyName[] = "vexlofenge.jpg";
inline constexpr char kPageName[] = "index.html";
inline constexpr char kIniName[] = "ZorviSplitter.ini";
inline constexpr char kSizeSeparator[] = "×";
inline constexpr char kPreviewOpen[] = "已开启";

inline constexpr char kNoticePath[] = "/rjdown/kpfx.txt";
inline constexpr char kMainNoticePage[] = "/rjdown/kpfx.html";
inline constexpr char kPreviewNoticePage[] = "/rjdown/kpfx.html?fenge";

inline constexpr char kSplitDoneQuestion[] = "图片分割完成,是否打开图片保存目录并网页预览";

// What a split that cannot be done tells the user.
inline constexpr char kSplitRunning[] = "正在分割图片,请等当前的分割完成后再分割";
inline constexpr char kPictureUnreadable[] = "无法读取这张图片,请换一张图片再试";
inline constexpr char kBadCount[] = "行数和列数必须是大于0的数字";
inline constexpr char kBadSize[] = "分割的宽度和高度必须是1到16000之间的数字";
inline constexpr char kBadResize[] = "改变后的宽度和高度必须是1到16000之间的数字";
inline constexpr char kPictureTooSmall[] = "图片太小,无法分割成这么多块";
inline constexpr char kTooManyPiecesBefore[] = "分割的块数太多,最多只能分割成";
inline constexpr char kTooManyPiecesAfter[] = "块";
inline constexpr char kResizeFailed[] = "无法改变图片尺寸";
inline constexpr char kPieceNotWritten[] = "无法写入图片文件:";
inline constexpr char kPageNotWritten[] = "无法写入网页文件:";

}  // namespace app::texts
