// The board's methods called through the core command table with argument triples: the BMP bytes
// of GetPictureData, what Clear, DrawLine, DrawPicture and Copy leave in the drawing, how the
// drawing survives resizing and a new background colour, and Copy's edges.
#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/memory.h"
#include "runtime/templates/unit_kinds.h"
#include "runtime/win32/owned_handles.h"
#include "tests/controls/board/board_test_support.h"

namespace {

using namespace board_test;
using Command = rt::commands::CoreCommand;

constexpr int kWidthIndex = 2;
constexpr int kHeightIndex = 3;
constexpr int kBackColour = 9;
constexpr int kPenColour = 17;
constexpr uint32_t kRed = 0xff0000;
constexpr uint32_t kGreen = 0x00ff00;
constexpr uint32_t kBlue = 0x0000ff;

uint32_t U32(const Bytes& bytes, size_t at)
{
    return static_cast<uint32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | bytes[at + 3] << 24);
}

// A picture of distinct colours, one per pixel.
std::vector<uint32_t> Gradient(int width, int height)
{
    std::vector<uint32_t> colours;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint32_t red = x * 7 & 0xff;
            uint32_t green = y * 11 & 0xff;
            uint32_t blue = (x + y) * 5 & 0xff;
            colours.push_back(red << 16 | green << 8 | blue);
        }
    }
    return colours;
}

// Sets the board's background colour (given as 0x00RRGGBB) and clears the board with it.
void Fill(uint32_t board, uint32_t rgb)
{
    Write(board, kBackColour, static_cast<int64_t>((rgb & 0xff) << 16 | (rgb & 0xff00) | rgb >> 16));
    Method(Command::kClear, {Board(board)});
}

// Covers the board's drawing with one colour, leaving its background colour as it is.
void Paint(uint32_t board, uint32_t rgb)
{
    int32_t picture = LoadPicture(MakeBmp(1, 1, {rgb}));
    Method(Command::kDrawPicture, {Board(board), Int(picture), Int(0), Int(0), Int(4000), Int(4000)});
    UnloadPicture(picture);
}

bool AllOf(const Pixels& pixels, int left, int top, int right, int bottom, uint32_t colour)
{
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (pixels.at(x, y) != colour) {
                return false;
            }
        }
    }
    return true;
}

struct BoardMethodTest : ::testing::Test {
    void SetUp() override { LoadBoardWindow(); }
    void TearDown() override { DestroyBoardWindow(); }
};

TEST_F(BoardMethodTest, PictureDataOfAThreeByTwoBoardIsA78ByteBmpFile)
{
    Bytes file = Method(Command::kGetPictureData, {Board(kSmall)}).bytes();
    ASSERT_EQ(file.size(), 78u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(U32(file, 2), 78u);
    EXPECT_EQ(U32(file, 6), 0u);
    EXPECT_EQ(U32(file, 10), 54u);
    EXPECT_EQ(U32(file, 14), 40u);
    EXPECT_EQ(U32(file, 18), 3u);
    EXPECT_EQ(U32(file, 22), 2u);
    EXPECT_EQ(file[26] | file[27] << 8, 1);
    EXPECT_EQ(file[28] | file[29] << 8, 24);
    EXPECT_EQ(U32(file, 30), 0u);
    EXPECT_EQ(U32(file, 34), 24u);
    for (size_t at = 38; at < 54; at += 4) {
        EXPECT_EQ(U32(file, at), 0u) << at;
    }
    // White rows of 9 bytes, then 3 padding bytes.
    EXPECT_EQ(file[54 + 8], 0xff);
    EXPECT_EQ(file[54 + 9], 0);
}

TEST_F(BoardMethodTest, PictureDataSizesTakePercentagesOfTheBoard)
{
    struct Case {
        rt::ValueTriple width;
        rt::ValueTriple height;
        int expectedWidth;
        int expectedHeight;
    };
    const Case cases[] = {
        {Int(-5), Int(0), 20, 100},  // -5 counts as 10 %
        {Int(50), Int(0), 50, 100},  {Int(-50), Int(-200), 100, 200},
        {Omitted(), Int(7), 200, 7}, {Int(0), Omitted(), 200, 100},
    };
    for (const Case& c : cases) {
        Pixels pixels = PixelsOf(Method(Command::kGetPictureData, {Board(kWide), c.width, c.height}).bytes());
        EXPECT_EQ(pixels.width, c.expectedWidth);
        EXPECT_EQ(pixels.height, c.expectedHeight);
    }
    EXPECT_TRUE(Method(Command::kGetPictureData, {Board(kWide), Int(5), Int(-0x7fffffff - 1)}).bytes().empty());
    Write(kSmall, kWidthIndex, 0);
    EXPECT_TRUE(Method(Command::kGetPictureData, {Board(kSmall)}).bytes().empty());
    EXPECT_TRUE(Method(Command::kGetPictureData, {Board(kSmall), Int(-10)}).bytes().empty());
    // Not a board: the empty byte set.
    test::CommandResult none = Method(Command::kGetPictureData, {rt::MakeUnitRef(kWindow, kWide, 0x0001000a)});
    EXPECT_EQ(none.type(), rt::kByteSet);
    EXPECT_TRUE(none.bytes().empty());
}

// The runtime's heap failing every request while it lives, as when a large board's BMP does not
// fit the memory left (the 32-bit build's resize path).
class FailingHeap {
public:
    FailingHeap()
    {
        rt::HeapBackend failing = rt::DefaultHeapBackend();
        failing.allocate = [](size_t) -> void* { return nullptr; };
        rt::SetHeapBackend(failing);
    }
    ~FailingHeap() { rt::SetHeapBackend(rt::DefaultHeapBackend()); }
    FailingHeap(const FailingHeap&) = delete;
    FailingHeap& operator=(const FailingHeap&) = delete;
};

TEST_F(BoardMethodTest, PictureDataThatFindsNoMemoryIsTheEmptyByteSet)
{
    {
        FailingHeap failing;
        test::CommandResult data = Method(Command::kGetPictureData, {Board(kWide)});
        EXPECT_EQ(data.type(), rt::kByteSet);
        EXPECT_TRUE(data.bytes().empty());
    }
    // The board still works once memory is there.
    EXPECT_EQ(PixelsOf(Method(Command::kGetPictureData, {Board(kWide)}).bytes()).width, 200);
}

TEST_F(BoardMethodTest, AHiddenBoardShowsWhatWasDrawnOnItOnceShown)
{
    constexpr int kVisibleIndex = 5;
    // kWide is hidden: its drawing goes to its bitmap only, and shows when the board paints.
    Paint(kWide, kRed);
    Method(Command::kDrawLine, {Board(kWide), Int(0), Int(60), Int(199), Int(60)});
    Write(kWide, kVisibleIndex, 1);
    HWND board = BoardHandle(kWide);
    UpdateWindow(board);
    rt::WindowDc screen(board);
    EXPECT_EQ(Rgb(GetPixel(screen.get(), 100, 30)), kRed);
    EXPECT_EQ(Rgb(GetPixel(screen.get(), 100, 60)), 0x000000u);
}

// A window over the board, as the busy label lies over the preview board during a split, keeps
// its own pixels while the board draws and repaints under it.
TEST_F(BoardMethodTest, DrawingGoesAroundAWindowOverTheBoard)
{
    constexpr int kVisibleIndex = 5;
    constexpr wchar_t kChildClass[] = L"board test child";
    const HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    WNDCLASSW childClass{};
    childClass.lpfnWndProc = DefWindowProcW;
    childClass.hInstance = GetModuleHandleW(nullptr);
    childClass.hbrBackground = green;
    childClass.lpszClassName = kChildClass;
    RegisterClassW(&childClass);
    Write(kWide, kVisibleIndex, 1);
    HWND board = BoardHandle(kWide);
    HWND child = CreateWindowExW(0, kChildClass, L"", WS_CHILD | WS_VISIBLE, 50, 10, 100, 40, board, nullptr,
                                 childClass.hInstance, nullptr);
    ASSERT_NE(child, nullptr);
    UpdateWindow(board);

    Write(kWide, kPenColour, 0x0000ff);
    Method(Command::kDrawLine, {Board(kWide), Int(0), Int(30), Int(199), Int(30)});
    Paint(kWide, kBlue);
    Method(Command::kDrawLine, {Board(kWide), Int(0), Int(30), Int(199), Int(30)});
    UpdateWindow(board);

    HDC childDc = GetDC(child);
    EXPECT_EQ(Rgb(GetPixel(childDc, 30, 20)), kGreen) << "on the line";
    EXPECT_EQ(Rgb(GetPixel(childDc, 30, 5)), kGreen) << "off the line";
    ReleaseDC(child, childDc);
    HDC boardDc = GetDC(board);
    EXPECT_EQ(Rgb(GetPixel(boardDc, 20, 30)), kRed);
    EXPECT_EQ(Rgb(GetPixel(boardDc, 20, 5)), kBlue);
    ReleaseDC(board, boardDc);
    DestroyWindow(child);
    UnregisterClassW(kChildClass, childClass.hInstance);
    DeleteObject(green);
}

TEST_F(BoardMethodTest, EnlargingKeepsTheDrawingAndANewBackColourWipesIt)
{
    Write(kSmall, kPenColour, 0x0000ff);  // red
    Method(Command::kDrawLine, {Board(kSmall), Int(0), Int(0), Int(3), Int(0)});
    Write(kSmall, kWidthIndex, 6);
    Write(kSmall, kHeightIndex, 4);
    Pixels pixels = BoardPixels(kSmall);
    ASSERT_EQ(pixels.width, 6);
    ASSERT_EQ(pixels.height, 4);
    EXPECT_TRUE(AllOf(pixels, 0, 0, 3, 1, kRed));
    EXPECT_TRUE(AllOf(pixels, 3, 0, 6, 4, 0xffffff));
    EXPECT_TRUE(AllOf(pixels, 0, 1, 6, 4, 0xffffff));

    Write(kSmall, kBackColour, 0xff0000);  // blue
    EXPECT_TRUE(AllOf(BoardPixels(kSmall), 0, 0, 6, 4, kBlue));
}

TEST_F(BoardMethodTest, DrawLineUsesThePenInTheCoordinateUnit)
{
    Write(kWide, kPenColour, 0x0000ff);
    Method(Command::kDrawLine, {Board(kWide), Int(10), Int(20), Int(50), Int(20)});
    Pixels pixels = BoardPixels(kWide);
    EXPECT_TRUE(AllOf(pixels, 10, 20, 50, 21, kRed));
    EXPECT_EQ(pixels.at(50, 20), 0xffffffu);
    EXPECT_EQ(pixels.at(30, 21), 0xffffffu);

    // In twips the same numbers are a fifteenth of a pixel each at 96 pixels per inch: the line
    // lies near the top-left corner, y still growing downwards.
    Write(kWide, 13, 5);
    Method(Command::kClear, {Board(kWide)});
    Method(Command::kDrawLine, {Board(kWide), Int(0), Int(300), Int(1500), Int(300)});
    Write(kWide, 13, 0);
    pixels = BoardPixels(kWide);
    int row = -1;
    for (int y = 0; y < 100 && row < 0; ++y) {
        if (pixels.at(2, y) == kRed) {
            row = y;
        }
    }
    EXPECT_GT(row, 10);
    EXPECT_LT(row, 30);
    EXPECT_EQ(pixels.at(150, row), 0xffffffu);
}

TEST_F(BoardMethodTest, ClearPaintsTheGivenRectangleNormalised)
{
    Paint(kWide, kGreen);
    // Width -20 from x 30: the columns 10 to 29; the height runs to the bottom.
    Method(Command::kClear, {Board(kWide), Int(30), Int(40), Int(-20)});
    Pixels pixels = BoardPixels(kWide);
    EXPECT_TRUE(AllOf(pixels, 10, 40, 30, 100, 0xffffff));
    EXPECT_EQ(pixels.at(9, 50), kGreen);
    EXPECT_EQ(pixels.at(30, 50), kGreen);
    EXPECT_EQ(pixels.at(15, 39), kGreen);
}

// Both ways a picture reaches the board: rows that need padding (38 pixels wide) through a device
// bitmap, rows that need none (36 wide) straight from the picture.
TEST_F(BoardMethodTest, DrawPictureAtNaturalSizeReproducesThePicturePixels)
{
    for (int width : {38, 36}) {
        std::vector<uint32_t> colours = Gradient(width, 28);
        int32_t picture = LoadPicture(MakeBmp(width, 28, colours));
        ASSERT_GT(picture, 0);
        int32_t pictureWidth = Method(Command::kPictureWidth, {Board(kFramed), Int(picture)}).integer();
        int32_t pictureHeight = Method(Command::kPictureHeight, {Board(kFramed), Int(picture)}).integer();
        Method(Command::kDrawPicture,
               {Board(kFramed), Int(picture), Int(0), Int(0), Int(pictureWidth), Int(pictureHeight)});
        Pixels pixels = BoardPixels(kFramed);
        ASSERT_EQ(pixels.width, 38);
        ASSERT_EQ(pixels.height, 28);
        std::vector<uint32_t> drawn;
        for (int y = 0; y < 28; ++y) {
            for (int x = 0; x < width; ++x) {
                drawn.push_back(pixels.at(x, y));
            }
        }
        EXPECT_EQ(drawn, colours) << "width " << width;
        UnloadPicture(picture);
    }
}

// A 2 x 2 icon file of 24-bit colour: red, its top-left pixel transparent by its mask.
Bytes RedIconWithClearCorner()
{
    Bytes file;
    auto put = [&](uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            file.push_back(static_cast<uint8_t>(value >> (8 * i)));
        }
    };
    put(0, 2);
    put(1, 2);
    put(1, 2);
    const uint32_t imageBytes = 40 + 2 * 8 + 2 * 4;
    file.insert(file.end(), {2, 2, 0, 0});
    put(1, 2);
    put(24, 2);
    put(imageBytes, 4);
    put(22, 4);
    put(40, 4);
    put(2, 4);
    put(4, 4);
    put(1, 2);
    put(24, 2);
    for (int i = 0; i < 6; ++i) {
        put(0, 4);
    }
    // Colour rows bottom-up: the bottom row red, red; the top row black (under the mask), red.
    file.insert(file.end(), {0, 0, 255, 0, 0, 255, 0, 0});
    file.insert(file.end(), {0, 0, 0, 0, 0, 255, 0, 0});
    // Mask rows bottom-up: a set bit keeps the screen.
    file.insert(file.end(), {0x00, 0, 0, 0});
    file.insert(file.end(), {0x80, 0, 0, 0});
    return file;
}

TEST_F(BoardMethodTest, IconsDrawWithTheirOwnTransparencyAtTheTargetSize)
{
    int32_t icon = LoadPicture(RedIconWithClearCorner());
    ASSERT_GT(icon, 0);
    EXPECT_EQ(Method(Command::kPictureWidth, {Board(kWide), Int(icon)}).integer(), 2);
    Paint(kWide, kGreen);
    Method(Command::kDrawPicture, {Board(kWide), Int(icon), Int(0), Int(0)});
    Method(Command::kDrawPicture, {Board(kWide), Int(icon), Int(10), Int(0), Int(4), Int(4), Int(-0xffffff)});
    Pixels pixels = BoardPixels(kWide);
    EXPECT_EQ(pixels.at(0, 0), kGreen);
    EXPECT_EQ(pixels.at(1, 0), kRed);
    EXPECT_EQ(pixels.at(1, 1), kRed);
    EXPECT_EQ(pixels.at(10, 0), kGreen);
    EXPECT_EQ(pixels.at(11, 1), kGreen);
    EXPECT_EQ(pixels.at(13, 3), kRed);
    EXPECT_EQ(pixels.at(14, 3), kGreen);
    UnloadPicture(icon);
}

TEST_F(BoardMethodTest, DrawPictureStretchesPlacesAndIgnoresDeadHandles)
{
    int32_t picture = LoadPicture(MakeBmp(1, 1, {kRed}));
    Method(Command::kDrawPicture, {Board(kWide), Int(picture), Int(10), Int(20), Int(30), Int(5), Int(1)});
    Pixels pixels = BoardPixels(kWide);
    EXPECT_TRUE(AllOf(pixels, 10, 20, 40, 25, kRed));
    EXPECT_EQ(pixels.at(9, 20), 0xffffffu);
    EXPECT_EQ(pixels.at(40, 24), 0xffffffu);
    // Copy mode 2 inverts the source: red gives cyan.
    Method(Command::kDrawPicture, {Board(kWide), Int(picture), Int(0), Int(0), Omitted(), Omitted(), Int(2)});
    EXPECT_EQ(BoardPixels(kWide).at(0, 0), 0x00ffffu);
    UnloadPicture(picture);
    Method(Command::kDrawPicture, {Board(kWide), Int(picture), Int(50), Int(50)});
    EXPECT_EQ(BoardPixels(kWide).at(50, 50), 0xffffffu);
}

TEST_F(BoardMethodTest, NegativeCopyModeLeavesThatColourTransparent)
{
    Fill(kWide, kGreen);
    int32_t picture = LoadPicture(MakeBmp(2, 1, {0xffffff, kRed}));
    Method(Command::kDrawPicture, {Board(kWide), Int(picture), Int(0), Int(0), Int(2), Int(1), Int(-0xffffff)});
    Pixels pixels = BoardPixels(kWide);
    EXPECT_EQ(pixels.at(0, 0), kGreen);
    EXPECT_EQ(pixels.at(1, 0), kRed);
    UnloadPicture(picture);
}

TEST_F(BoardMethodTest, CopyMovesARectangleBetweenBoards)
{
    std::vector<uint32_t> colours = Gradient(38, 28);
    int32_t picture = LoadPicture(MakeBmp(38, 28, colours));
    Method(Command::kDrawPicture, {Board(kFramed), Int(picture), Int(0), Int(0)});
    Method(Command::kCopy, {Board(kFramed), Int(5), Int(6), Int(10), Int(8), Board(kWide), Int(20), Int(30), Int(1)});
    Pixels pixels = BoardPixels(kWide);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 10; ++x) {
            ASSERT_EQ(pixels.at(20 + x, 30 + y), colours[(6 + y) * 38 + 5 + x]) << x << "," << y;
        }
    }
    EXPECT_EQ(pixels.at(19, 30), 0xffffffu);
    EXPECT_EQ(pixels.at(30, 30), 0xffffffu);
    UnloadPicture(picture);
}

TEST_F(BoardMethodTest, CopyOfNothingLeavesTheTargetAlone)
{
    Fill(kFramed, kRed);
    Fill(kWide, kGreen);
    const std::vector<rt::ValueTriple> requests[] = {
        {Int(0), Int(0), Int(0), Int(10)},     // width 0
        {Int(0), Int(0), Int(10), Int(-3)},    // negative height
        {Int(-20), Int(0), Int(20), Int(10)},  // wholly left
        {Int(0), Int(-30), Int(10), Int(30)},  // wholly above
        {Int(38), Int(0), Int(10), Int(10)},   // wholly right
    };
    for (const std::vector<rt::ValueTriple>& r : requests) {
        Method(Command::kCopy, {Board(kFramed), r[0], r[1], r[2], r[3], Board(kWide), Int(0), Int(0), Int(1)});
    }
    // A target that is no live board.
    Method(Command::kCopy,
           {Board(kFramed), Int(0), Int(0), Int(5), Int(5), rt::MakeUnitRef(kWindow, 0x16000777, rt::kBoardKind)});
    EXPECT_TRUE(AllOf(BoardPixels(kWide), 0, 0, 200, 100, kGreen));
}

// A rectangle reaching past the source's right and bottom edges transfers only what lies inside:
// the target keeps its cleared background where the rest would have gone. The same holds for a
// rectangle starting left of or above the source.
TEST_F(BoardMethodTest, CopyPastTheSourceEdgesLeavesTheTargetsBackgroundThere)
{
    Fill(kFramed, kRed);
    Fill(kWide, kGreen);
    Method(Command::kCopy, {Board(kFramed), Int(30), Int(20), Int(12), Int(12), Board(kWide), Int(0), Int(0), Int(1)});
    Pixels pixels = BoardPixels(kWide);
    EXPECT_TRUE(AllOf(pixels, 0, 0, 8, 8, kRed));
    EXPECT_TRUE(AllOf(pixels, 8, 0, 12, 12, kGreen));
    EXPECT_TRUE(AllOf(pixels, 0, 8, 12, 12, kGreen));

    Fill(kWide, kGreen);
    Method(Command::kCopy, {Board(kFramed), Int(-4), Int(-2), Int(10), Int(10), Board(kWide), Int(50), Int(50)});
    pixels = BoardPixels(kWide);
    EXPECT_TRUE(AllOf(pixels, 54, 52, 60, 60, kRed));
    EXPECT_TRUE(AllOf(pixels, 50, 50, 54, 60, kGreen));
    EXPECT_TRUE(AllOf(pixels, 50, 50, 60, 52, kGreen));
}

TEST_F(BoardMethodTest, CopyDefaultsToTheWholeBoardOntoItself)
{
    std::vector<uint32_t> colours = Gradient(38, 28);
    int32_t picture = LoadPicture(MakeBmp(38, 28, colours));
    Method(Command::kDrawPicture, {Board(kFramed), Int(picture), Int(0), Int(0)});
    // Onto itself, moved right by 4: the pixels from column 4 on come from column 0 on.
    Method(Command::kCopy, {Board(kFramed), Omitted(), Omitted(), Omitted(), Omitted(), Omitted(), Int(4), Int(0)});
    Pixels pixels = BoardPixels(kFramed);
    EXPECT_EQ(pixels.at(4, 3), colours[3 * 38 + 0]);
    EXPECT_EQ(pixels.at(37, 27), colours[27 * 38 + 33]);
    EXPECT_EQ(pixels.at(3, 3), colours[3 * 38 + 3]);
    UnloadPicture(picture);
}

}  // namespace
