// The commands the application calls, typed: each goes through its library's command table
// (runtime_calls.h) with the arguments the command takes and hands back its result owned.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/runtime_calls.h"
#include "runtime/program_header.h"

namespace app {

// A drawing board's Clear, DrawPicture, ... and the other unit methods take the unit first.
// Omitted optional arguments are left out of the call.

// Files and folders.
bool DeleteFile(const std::string& path);
std::string RunDirectory();
bool FileExists(const std::string& path);
bool WriteFile(const std::string& path, const void* byteSet);
ByteSet ReadFile(const std::string& path);
int32_t OpenFile(const std::string& path);
bool WriteTextToFile(int32_t file, const std::string& text);
bool CloseFile(int32_t file);

// Texts and numbers.
std::string ToText(int32_t number);
std::string ToText(const ByteSet& bytes);
double ToNumber(const std::string& text);
std::vector<std::string> SplitText(const std::string& text, const std::string& delimiter);
std::string RightText(const std::string& text, int32_t count);
std::string LeftText(const std::string& text, int32_t count);
int32_t FindTextReverse(const std::string& text, const std::string& sought);
ByteSet ToByteSet(const std::string& text);
ByteSet CopyOfByteSet(const void* byteSet);
int32_t IntegerPart(double value);
double AbsoluteValue(double value);

// Windows, events and the screen.
bool LoadWindow(uint32_t windowId);
void DestroyWindowAtOnce(uint32_t windowId);
int32_t ScreenWidth();
int32_t ScreenHeight();
void ProcessEvents();
void Sleep(int32_t milliseconds);
// The button pressed: OK 0, Cancel 1, ..., Yes 5, No 6.
int32_t MessageBox(const std::string& message, int32_t buttonsAndIcon);
inline constexpr int32_t kYesNoButtons = 4;
inline constexpr int32_t kYesAnswer = 5;

// Pictures.
int32_t LoadPicture(const std::string& path);
int32_t LoadPicture(const void* byteSet);
void UnloadPicture(int32_t picture);

// Unit methods.
void OpenLink(const Unit& link);
void Clear(const Unit& board);
void DrawPicture(const Unit& board, int32_t picture, int32_t x, int32_t y, int32_t width, int32_t height,
                 int32_t copyMode);
// At the picture's own size, copy mode omitted.
void DrawPictureAtOwnSize(const Unit& board, int32_t picture, int32_t width, int32_t height);
ByteSet GetPictureData(const Unit& board);
ByteSet GetPictureData(const Unit& board, int32_t width, int32_t height);
int32_t PictureWidth(const Unit& board, int32_t picture);
int32_t PictureHeight(const Unit& board, int32_t picture);
void DrawLine(const Unit& board, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
void Copy(const Unit& source, int32_t x, int32_t y, int32_t width, int32_t height, const Unit& target, int32_t targetX,
          int32_t targetY, int32_t copyMode);
bool Show(const Unit& dialog);
void RaiseFeedback(const Unit& label, int32_t first, int32_t second, bool wait);

// The thread, XP-style, shell, internet and image conversion libraries.
bool StartThread(rt::ThreadSub sub);
int32_t SetXpStyle(int32_t scheme);
void RunShellVerb(const std::string& target);
ByteSet HttpRead(const std::string& url);
bool ConvertToJpeg(const std::string& source, const std::string& target);

}  // namespace app
