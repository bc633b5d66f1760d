// The texts of the program that the driver looks for: window titles, unit captions, questions and
// messages.
#pragma once

namespace splitter::texts {

inline constexpr wchar_t kMainTitle[] = L"QQ空间相册封面拼图制作 - Zorvi图片分割软件";
inline constexpr wchar_t kPreviewTitle[] = L"已分割图片预览窗口";
inline constexpr wchar_t kBoxCaption[] = L"信息：";
inline constexpr wchar_t kDoneQuestion[] = L"图片分割完成,是否打开图片保存目录并网页预览";
inline constexpr wchar_t kBusy[] = L"正在分割图片,请稍候...";

inline constexpr wchar_t kOpenButton[] = L"打开图片";
inline constexpr wchar_t kPreviewButton[] = L"预览";
inline constexpr wchar_t kSplitButton[] = L"分割";
inline constexpr wchar_t kByCountRadio[] = L"按数量分割";
inline constexpr wchar_t kBySizeRadio[] = L"按尺寸分割";
inline constexpr wchar_t kResizeCheck[] = L"改变图片尺寸";
inline constexpr wchar_t kNameCaption[] = L"图片名称:";
inline constexpr wchar_t kSizeCaption[] = L"尺寸:";

inline constexpr wchar_t kSplitRunning[] = L"正在分割图片,请等当前的分割完成后再分割";
inline constexpr wchar_t kPictureUnreadable[] = L"无法读取这张图片,请换一张图片再试";
inline constexpr wchar_t kBadCount[] = L"行数和列数必须是大于0的数字";
inline constexpr wchar_t kBadSize[] = L"分割的宽度和高度必须是1到16000之间的数字";
inline constexpr wchar_t kBadResize[] = L"改变后的宽度和高度必须是1到16000之间的数字";
inline constexpr wchar_t kPictureTooSmall[] = L"图片太小,无法分割成这么多块";
inline constexpr wchar_t kTooManyPieces[] = L"分割的块数太多,最多只能分割成1000块";
inline constexpr wchar_t kPieceNotWritten[] = L"无法写入图片文件:";
inline constexpr wchar_t kPageNotWritten[] = L"无法写入网页文件:";

inline constexpr wchar_t kDefaultPicture[] = L"vexlo.jpg";
inline constexpr wchar_t kJpegCopy[] = L"vexlofenge.jpg";
inline constexpr wchar_t kPage[] = L"index.html";
inline constexpr wchar_t kIni[] = L"ZorviSplitter.ini";

}  // namespace splitter::texts
