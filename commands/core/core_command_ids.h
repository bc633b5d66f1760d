// The core library's commands, numbered by their place in its command table.
#pragma once

namespace rt::commands {

enum class CoreCommand : int {
    kOpenLink = 0,
    kClear = 1,
    kDeleteFile = 2,
    kRunDirectory = 3,
    kFileExists = 4,
    kWriteFile = 5,
    kToText = 6,
    kSplitText = 7,
    kLoadWindow = 8,
    kDestroyWindow = 9,
    kScreenWidth = 10,
    kScreenHeight = 11,
    kRightText = 12,
    kReadFile = 13,
    kLoadPicture = 14,
    kToNumber = 15,
    kDrawPicture = 16,
    kGetPictureData = 17,
    kPictureWidth = 18,
    kPictureHeight = 19,
    kShow = 20,
    kFindTextReverse = 21,
    kLeftText = 22,
    kToByteSet = 23,
    kOpenFile = 24,
    kWriteTextToFile = 25,
    kProcessEvents = 26,
    kSleep = 27,
    kMessageBox = 28,
    kUnloadPicture = 29,
    kIntegerPart = 30,
    kAbsoluteValue = 31,
    kCopy = 32,
    kRaiseFeedback = 33,
    kDrawLine = 34,
    // Not among the commands the program first had: it closes the page file after a split, so a
    // second split into the same folder can empty and write it again.
    kCloseFile = 35,
};

inline constexpr int kCoreCommandCount = 36;

}  // namespace rt::commands
