#include "app/commands.h"

#include "runtime/templates/unit_kinds.h"

namespace app {
namespace {

using rt::commands::CoreCommand;

// What ConvertToJpeg answers when it wrote the JPEG file.
constexpr int32_t kConverted = 1;

Unit WindowRef(uint32_t windowId) { return {windowId, 0, rt::kWindowKind}; }

}  // namespace

bool DeleteFile(const std::string& path) { return LogicalOf(CallCore(CoreCommand::kDeleteFile, {Arg(path)})); }

std::string RunDirectory() { return TakeText(CallCore(CoreCommand::kRunDirectory, {})).str(); }

bool FileExists(const std::string& path) { return LogicalOf(CallCore(CoreCommand::kFileExists, {Arg(path)})); }

bool WriteFile(const std::string& path, const void* byteSet)
{
    return LogicalOf(CallCore(CoreCommand::kWriteFile, {Arg(path), ByteSetArg(byteSet)}));
}

ByteSet ReadFile(const std::string& path) { return TakeByteSet(CallCore(CoreCommand::kReadFile, {Arg(path)})); }

int32_t OpenFile(const std::string& path) { return IntegerOf(CallCore(CoreCommand::kOpenFile, {Arg(path)})); }

bool WriteTextToFile(int32_t file, const std::string& text)
{
    return LogicalOf(CallCore(CoreCommand::kWriteTextToFile, {Arg(file), Arg(text)}));
}

bool CloseFile(int32_t file) { return LogicalOf(CallCore(CoreCommand::kCloseFile, {Arg(file)})); }

std::string ToText(int32_t number) { return TakeText(CallCore(CoreCommand::kToText, {Arg(number)})).str(); }

std::string ToText(const ByteSet& bytes) { return TakeText(CallCore(CoreCommand::kToText, {Arg(bytes)})).str(); }

double ToNumber(const std::string& text) { return RealOf(CallCore(CoreCommand::kToNumber, {Arg(text)})); }

std::vector<std::string> SplitText(const std::string& text, const std::string& delimiter)
{
    return TakeTexts(CallCore(CoreCommand::kSplitText, {Arg(text), Arg(delimiter)}));
}

std::string RightText(const std::string& text, int32_t count)
{
    return TakeText(CallCore(CoreCommand::kRightText, {Arg(text), Arg(count)})).str();
}

std::string LeftText(const std::string& text, int32_t count)
{
    return TakeText(CallCore(CoreCommand::kLeftText, {Arg(text), Arg(count)})).str();
}

int32_t FindTextReverse(const std::string& text, const std::string& sought)
{
    return IntegerOf(CallCore(CoreCommand::kFindTextReverse, {Arg(text), Arg(sought)}));
}

ByteSet ToByteSet(const std::string& text) { return TakeByteSet(CallCore(CoreCommand::kToByteSet, {Arg(text)})); }

ByteSet CopyOfByteSet(const void* byteSet)
{
    return TakeByteSet(CallCore(CoreCommand::kToByteSet, {ByteSetArg(byteSet)}));
}

int32_t IntegerPart(double value) { return IntegerOf(CallCore(CoreCommand::kIntegerPart, {Arg(value)})); }

double AbsoluteValue(double value) { return RealOf(CallCore(CoreCommand::kAbsoluteValue, {Arg(value)})); }

bool LoadWindow(uint32_t windowId)
{
    return LogicalOf(CallCore(CoreCommand::kLoadWindow, {Arg(WindowRef(windowId)), Omitted(), Arg(false)}));
}

void DestroyWindowAtOnce(uint32_t windowId)
{
    CallCore(CoreCommand::kDestroyWindow, {Arg(WindowRef(windowId)), Arg(true)});
}

int32_t ScreenWidth() { return IntegerOf(CallCore(CoreCommand::kScreenWidth, {})); }

int32_t ScreenHeight() { return IntegerOf(CallCore(CoreCommand::kScreenHeight, {})); }

void ProcessEvents() { CallCore(CoreCommand::kProcessEvents, {}); }

void Sleep(int32_t milliseconds) { CallCore(CoreCommand::kSleep, {Arg(milliseconds)}); }

int32_t MessageBox(const std::string& message, int32_t buttonsAndIcon)
{
    return IntegerOf(CallCore(CoreCommand::kMessageBox, {Arg(message), Arg(buttonsAndIcon)}));
}

int32_t LoadPicture(const std::string& path) { return IntegerOf(CallCore(CoreCommand::kLoadPicture, {Arg(path)})); }

int32_t LoadPicture(const void* byteSet)
{
    return IntegerOf(CallCore(CoreCommand::kLoadPicture, {ByteSetArg(byteSet)}));
}

void UnloadPicture(int32_t picture) { CallCore(CoreCommand::kUnloadPicture, {Arg(picture)}); }

void OpenLink(const Unit& link) { CallCore(CoreCommand::kOpenLink, {Arg(link)}); }

void Clear(const Unit& board) { CallCore(CoreCommand::kClear, {Arg(board)}); }

void DrawPicture(const Unit& board, int32_t picture, int32_t x, int32_t y, int32_t width, int32_t height,
                 int32_t copyMode)
{
    CallCore(CoreCommand::kDrawPicture,
             {Arg(board), Arg(picture), Arg(x), Arg(y), Arg(width), Arg(height), Arg(copyMode)});
}

void DrawPictureAtOwnSize(const Unit& board, int32_t picture, int32_t width, int32_t height)
{
    CallCore(CoreCommand::kDrawPicture, {Arg(board), Arg(picture), Arg(0), Arg(0), Arg(width), Arg(height)});
}

ByteSet GetPictureData(const Unit& board) { return TakeByteSet(CallCore(CoreCommand::kGetPictureData, {Arg(board)})); }

ByteSet GetPictureData(const Unit& board, int32_t width, int32_t height)
{
    return TakeByteSet(CallCore(CoreCommand::kGetPictureData, {Arg(board), Arg(width), Arg(height)}));
}

int32_t PictureWidth(const Unit& board, int32_t picture)
{
    return IntegerOf(CallCore(CoreCommand::kPictureWidth, {Arg(board), Arg(picture)}));
}

int32_t PictureHeight(const Unit& board, int32_t picture)
{
    return IntegerOf(CallCore(CoreCommand::kPictureHeight, {Arg(board), Arg(picture)}));
}

void DrawLine(const Unit& board, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    CallCore(CoreCommand::kDrawLine, {Arg(board), Arg(x1), Arg(y1), Arg(x2), Arg(y2)});
}

void Copy(const Unit& source, int32_t x, int32_t y, int32_t width, int32_t height, const Unit& target, int32_t targetX,
          int32_t targetY, int32_t copyMode)
{
    CallCore(CoreCommand::kCopy, {Arg(source), Arg(x), Arg(y), Arg(width), Arg(height), Arg(target), Arg(targetX),
                                  Arg(targetY), Arg(copyMode)});
}

bool Show(const Unit& dialog) { return LogicalOf(CallCore(CoreCommand::kShow, {Arg(dialog)})); }

void RaiseFeedback(const Unit& label, int32_t first, int32_t second, bool wait)
{
    CallCore(CoreCommand::kRaiseFeedback, {Arg(label), Arg(first), Arg(second), Arg(wait)});
}

bool StartThread(rt::ThreadSub sub)
{
    return LogicalOf(CallLibrary(data::kThreadLibraryNumber, data::kStartThreadPosition,
                                 {SubArg(reinterpret_cast<const void*>(sub))}));
}

int32_t SetXpStyle(int32_t scheme)
{
    return IntegerOf(CallLibrary(data::kXpStyleLibraryNumber, data::kSetXpStylePosition, {Arg(scheme)}));
}

void RunShellVerb(const std::string& target)
{
    CallLibrary(data::kShellLibraryNumber, data::kRunShellVerbPosition, {Omitted(), Arg(target)});
}

ByteSet HttpRead(const std::string& url)
{
    return TakeByteSet(CallLibrary(data::kInternetLibraryNumber, data::kHttpReadPosition, {Arg(url)}));
}

bool ConvertToJpeg(const std::string& source, const std::string& target)
{
    constexpr bool kGrey = false;
    constexpr int32_t kQuality = 100;
    constexpr bool kOptimise = true;
    constexpr int32_t kSmoothing = 0;
    return IntegerOf(CallLibrary(
               data::kImageConversionLibraryNumber, data::kConvertToJpegPosition,
               {Arg(source), Arg(target), Arg(kGrey), Arg(kQuality), Arg(kOptimise), Arg(kSmoothing)})) == kConverted;
}

}  // namespace app
