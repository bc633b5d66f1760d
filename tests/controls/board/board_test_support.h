// A window with drawing boards for the board's tests: the kind and its methods registered, the
// methods called through the core command table as compiled application code calls them, and
// the pixels of the BMP bytes that GetPictureData gives.
#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "commands/core/core_command_ids.h"
#include "runtime/unit_options/board_options.h"
#include "runtime/values.h"
#include "tests/commands/command_call.h"

namespace board_test {

using Bytes = std::vector<uint8_t>;

inline constexpr uint32_t kWindow = 0x52000001;
inline constexpr uint32_t kWindowUnit = 0x06000002;
// 40 x 30 with Border 5 and AutoRedraw: a drawing area of 38 x 28.
inline constexpr uint32_t kFramed = 0x16000003;
// 3 x 2, Border 0, AutoRedraw, white.
inline constexpr uint32_t kSmall = 0x16000004;
// 200 x 100, Border 0, AutoRedraw, white.
inline constexpr uint32_t kWide = 0x16000005;
// 60 x 40, Border 0, AutoRedraw 0, visible: paints through event 0.
inline constexpr uint32_t kPainted = 0x16000006;

inline constexpr uint32_t kWhite = 0x00ffffff;

// The events bound on kPainted, as the subs saw them.
struct PaintLog {
    int repaints = 0;
    int32_t area[4] = {};
    int gotFocus = 0;
    int lostFocus = 0;
    bool drawInHandler = false;
};
PaintLog& Log();

// Starts the window layer once, registers the kind and its methods, installs the template and
// loads the window.
void LoadBoardWindow();
void DestroyBoardWindow();

rt::ValueTriple Board(uint32_t unitId);
HWND BoardHandle(uint32_t unitId);

int64_t Read(uint32_t unitId, int index);
void Write(uint32_t unitId, int index, int64_t value);
void WriteBytes(uint32_t unitId, int index, const Bytes& bytes);

// A board method through its core command entry; omitted arguments are type 0 triples.
test::CommandResult Method(rt::commands::CoreCommand command, std::initializer_list<rt::ValueTriple> args);
inline rt::ValueTriple Int(int32_t value) { return rt::MakeInt(value); }
inline rt::ValueTriple Omitted() { return {}; }

// A 24-bit BMP file, rows given top-down as 0x00RRGGBB colours.
Bytes MakeBmp(int width, int height, const std::vector<uint32_t>& topDown);
// LoadPicture of file bytes through the core command table.
int32_t LoadPicture(const Bytes& file);
void UnloadPicture(int32_t handle);

// The pixels of a 24-bit BMP file, top-down, as 0x00RRGGBB; empty when it is not one.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> colours;
    uint32_t at(int x, int y) const { return colours[static_cast<size_t>(y) * width + x]; }
};
Pixels PixelsOf(const Bytes& file);
// GetPictureData of the board without arguments, as pixels.
Pixels BoardPixels(uint32_t unitId);

// A COLORREF (0x00BBGGRR) as 0x00RRGGBB.
uint32_t Rgb(COLORREF colour);

}  // namespace board_test
