// The board's properties in a live window: clamps, what reads back, the drawing area that Border
// leaves, the off-screen bitmap following the client area, and the board's own events.
#include <gtest/gtest.h>

#include "controls/board/board.h"
#include "controls/board/drawing_tools.h"
#include "runtime/start_runtime.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/runtime_service.h"
#include "runtime/templates/unit_kinds.h"
#include "runtime/window/unit_kind.h"
#include "tests/controls/board/board_test_support.h"
#include "tests/runtime/window/window_test_support.h"

const rt::ProgramHeader rt::kProgramHeader{};

namespace {

using namespace board_test;
using Command = rt::commands::CoreCommand;

constexpr int kBorder = 8;
constexpr int kBackColour = 9;
constexpr int kBackPicture = 10;
constexpr int kBackPictureMode = 11;
constexpr int kAutoRedraw = 12;
constexpr int kCoordinateUnit = 13;
constexpr int kPenType = 14;
constexpr int kDrawMode = 15;
constexpr int kPenWidth = 16;
constexpr int kPenColour = 17;
constexpr int kBrushType = 18;
constexpr int kFont = 22;
constexpr int kDrawWidth = 23;
constexpr int kDrawHeight = 24;

struct BoardPropertyTest : ::testing::Test {
    void SetUp() override { LoadBoardWindow(); }
    void TearDown() override { DestroyBoardWindow(); }
};

TEST(BoardKindTest, RecordNamesTheKindAndItsSeventeenOwnProperties)
{
    const rt::UnitKindDescription& kind = rt::units::BoardKind();
    EXPECT_EQ(kind.kind, rt::kBoardKind);
    EXPECT_STREQ(kind.englishName, "DrawPanel");
    EXPECT_STREQ(kind.name, "画板");
    ASSERT_EQ(kind.propertyCount, 17u);
    EXPECT_STREQ(kind.properties[0].name, "Border");
    EXPECT_STREQ(kind.properties[16].name, "DrawHeight");
    EXPECT_EQ(kind.properties[14].type, rt::PropertyType::kFont);
}

TEST(BoardToolsTest, EveryBrushTypeMakesABrushAndEveryPenTypeButZeroAPen)
{
    for (int type = 0; type <= 55; ++type) {
        rt::units::BoardBrush brush = rt::units::CreateBoardBrush(type, RGB(1, 2, 3));
        EXPECT_NE(brush.brush, nullptr) << "brush type " << type;
        EXPECT_EQ(brush.pattern != nullptr, type >= 8) << "brush type " << type;
    }
    EXPECT_EQ(rt::units::CreateBoardBrush(56, 0).brush, nullptr);
    for (int type = 1; type <= 6; ++type) {
        EXPECT_NE(rt::units::CreateBoardPen(type, 3, RGB(1, 2, 3)), nullptr) << "pen type " << type;
    }
}

TEST(BoardToolsTest, FontHeightsTurnIntoTheCoordinateUnit)
{
    // 12 pixels at 96 per inch are 1/8 inch: 12.5 hundredths, 180 twips, 31.7 tenths of a mm.
    EXPECT_EQ(rt::units::FontHeightInUnit(12, 3, 96), -12);
    EXPECT_EQ(rt::units::FontHeightInUnit(-12, 5, 96), -180);
    EXPECT_EQ(rt::units::FontHeightInUnit(-12, 1, 96), -31);
    EXPECT_EQ(rt::units::FontHeightInUnit(-12, 0, 96), -12);
}

TEST(BoardKindTest, CreateRefusesPropertyDataOfALaterVersionOrCutShort)
{
    window_test::StartWindowLayerForTests();
    Bytes data = rt::WriteOptions(rt::BoardOptions{});
    ASSERT_EQ(data.size(), 64u);
    rt::UnitCreateArgs args;
    args.parent = GetDesktopWindow();
    args.width = 10;
    args.height = 10;
    Bytes later = data;
    later[0] = 2;
    args.propertyData = later.data();
    args.propertyLength = later.size();
    EXPECT_EQ(rt::units::BoardKind().create(args), nullptr);
    args.propertyData = data.data();
    args.propertyLength = 30;
    EXPECT_EQ(rt::units::BoardKind().create(args), nullptr);
}

TEST_F(BoardPropertyTest, PicksAreClampedToTheirRange)
{
    struct Case {
        int index;
        int64_t written;
        int64_t read;
    };
    const Case cases[] = {
        {kBorder, 9, 5},         {kBorder, -1, 0},          {kBackPictureMode, 3, 2}, {kBackPictureMode, -4, 0},
        {kCoordinateUnit, 6, 5}, {kPenType, 7, 6},          {kPenType, -1, 0},        {kDrawMode, 16, 15},
        {kDrawMode, -1, 0},      {kPenWidth, 40000, 32767}, {kPenWidth, -3, 0},       {kBrushType, 56, 55},
        {kBrushType, -2, 0},     {kBrushType, 30, 30},      {kCoordinateUnit, 0, 0},
    };
    for (const Case& c : cases) {
        Write(kSmall, c.index, c.written);
        EXPECT_EQ(Read(kSmall, c.index), c.read) << "index " << c.index << " written " << c.written;
    }
}

TEST_F(BoardPropertyTest, ReadsGiveTheStoredValuesAndTheFontItsBytes)
{
    EXPECT_EQ(static_cast<uint32_t>(Read(kFramed, kBackColour)), 0xff000000u);
    EXPECT_EQ(Read(kFramed, kAutoRedraw), 1);
    EXPECT_EQ(Read(kPainted, kAutoRedraw), 0);
    Write(kSmall, kPenColour, 0x123456);
    EXPECT_EQ(Read(kSmall, kPenColour), 0x123456);

    auto* font = reinterpret_cast<void*>(Read(kSmall, kFont));
    EXPECT_EQ(rt::ByteSetSize(font), 0u);
    rt::RuntimeService(rt::kServiceReleaseValue, reinterpret_cast<uintptr_t>(font), rt::kByteSet);
    Bytes description(60, 0);
    description[0] = 0xf4;  // height -12
    description[1] = description[2] = description[3] = 0xff;
    WriteBytes(kSmall, kFont, description);
    font = reinterpret_cast<void*>(Read(kSmall, kFont));
    ASSERT_EQ(rt::ByteSetSize(font), 60u);
    EXPECT_EQ(rt::ByteSetData(font)[0], 0xf4);
    rt::RuntimeService(rt::kServiceReleaseValue, reinterpret_cast<uintptr_t>(font), rt::kByteSet);
}

TEST_F(BoardPropertyTest, BorderFiveLeavesADrawingAreaTwoPixelsSmallerEachWay)
{
    RECT client;
    GetClientRect(BoardHandle(kFramed), &client);
    EXPECT_EQ(client.right, 38);
    EXPECT_EQ(client.bottom, 28);
    EXPECT_EQ(Read(kFramed, kDrawWidth), 38);
    EXPECT_EQ(Read(kFramed, kDrawHeight), 28);
    Pixels pixels = BoardPixels(kFramed);
    EXPECT_EQ(pixels.width, 38);
    EXPECT_EQ(pixels.height, 28);

    Write(kFramed, 2, 52);
    Write(kFramed, 3, 22);
    pixels = BoardPixels(kFramed);
    EXPECT_EQ(pixels.width, 50);
    EXPECT_EQ(pixels.height, 20);

    Write(kFramed, kBorder, 0);
    pixels = BoardPixels(kFramed);
    EXPECT_EQ(pixels.width, 52);
    EXPECT_EQ(pixels.height, 22);
}

TEST_F(BoardPropertyTest, DrawSizeAndPictureSizeFollowTheCoordinateUnit)
{
    Write(kWide, kCoordinateUnit, 5);
    int64_t twips = Read(kWide, kDrawWidth);
    // A twip is 1/1440 inch: at any screen resolution 200 pixels are many more twips.
    EXPECT_GT(twips, 200 * 5);
    int32_t picture = LoadPicture(MakeBmp(4, 2, std::vector<uint32_t>(8, 0)));
    EXPECT_NEAR(Method(Command::kPictureWidth, {Board(kWide), Int(picture)}).integer(), twips / 50.0, 1.0);
    Write(kWide, kCoordinateUnit, 0);
    EXPECT_EQ(Read(kWide, kDrawWidth), 200);
    EXPECT_EQ(Method(Command::kPictureWidth, {Board(kWide), Int(picture)}).integer(), 4);
    EXPECT_EQ(Method(Command::kPictureHeight, {Board(kWide), Int(picture)}).integer(), 2);
    UnloadPicture(picture);
    EXPECT_EQ(Method(Command::kPictureWidth, {Board(kWide), Int(picture)}).integer(), 0);
    EXPECT_EQ(Method(Command::kPictureHeight, {Board(kWide), Int(0)}).integer(), 0);
}

TEST_F(BoardPropertyTest, AutoRedrawOffDropsTheBitmapAndOnBuildsABlankOne)
{
    Write(kSmall, kBackColour, 0x0000ff);
    Write(kSmall, kAutoRedraw, 0);
    Write(kSmall, kAutoRedraw, 1);
    Pixels pixels = BoardPixels(kSmall);
    ASSERT_EQ(pixels.width, 3);
    EXPECT_EQ(pixels.at(2, 1), 0xff0000u);
}

TEST_F(BoardPropertyTest, ABackPictureFillsTheBitmapAndUndecodableBytesAreDropped)
{
    Bytes picture = MakeBmp(1, 1, {0x00ff00});
    WriteBytes(kSmall, kBackPicture, picture);
    Pixels pixels = BoardPixels(kSmall);
    ASSERT_EQ(pixels.width, 3);
    // Tiled (mode 1, the default): every pixel is the picture's.
    EXPECT_EQ(pixels.at(2, 1), 0x00ff00u);
    Write(kSmall, kBackPictureMode, 0);
    Method(Command::kClear, {Board(kSmall)});
    pixels = BoardPixels(kSmall);
    EXPECT_EQ(pixels.at(0, 0), 0x00ff00u);
    EXPECT_EQ(pixels.at(2, 1), 0xffffffu);

    WriteBytes(kSmall, kBackPicture, Bytes{1, 2, 3, 4, 5, 6, 7, 8});
    pixels = BoardPixels(kSmall);
    EXPECT_EQ(pixels.at(0, 0), 0xffffffu);
    auto* stored = reinterpret_cast<void*>(Read(kSmall, kBackPicture));
    EXPECT_EQ(rt::ByteSetSize(stored), 0u);
    rt::RuntimeService(rt::kServiceReleaseValue, reinterpret_cast<uintptr_t>(stored), rt::kByteSet);
}

TEST_F(BoardPropertyTest, WithoutBitmapPaintingRaisesEventZeroWhoseDrawingReachesTheScreen)
{
    HWND board = BoardHandle(kPainted);
    Log().repaints = 0;
    Log().drawInHandler = true;
    InvalidateRect(board, nullptr, FALSE);
    UpdateWindow(board);
    Log().drawInHandler = false;
    ASSERT_EQ(Log().repaints, 1);
    EXPECT_EQ(Log().area[0], 0);
    EXPECT_EQ(Log().area[1], 0);
    EXPECT_EQ(Log().area[2], 60);
    EXPECT_EQ(Log().area[3], 40);
    // What the screen shows is what GetPictureData takes from a board without bitmap: the blue
    // background and the black line the handler drew into the paint context.
    Pixels pixels = BoardPixels(kPainted);
    ASSERT_EQ(pixels.width, 60);
    EXPECT_EQ(pixels.at(30, 20), 0x0000ffu);
    EXPECT_EQ(pixels.at(30, 5), 0x000000u);
}

TEST_F(BoardPropertyTest, FocusRaisesGotAndLostFocusOnceEach)
{
    HWND board = BoardHandle(kPainted);
    HWND top = GetAncestor(board, GA_ROOT);
    SetForegroundWindow(top);
    window_test::Pump(30);
    Log().gotFocus = 0;
    Log().lostFocus = 0;
    SetFocus(board);
    window_test::Pump(20);
    SetFocus(top);
    window_test::Pump(20);
    EXPECT_EQ(Log().gotFocus, 1);
    EXPECT_EQ(Log().lostFocus, 1);
}

}  // namespace
