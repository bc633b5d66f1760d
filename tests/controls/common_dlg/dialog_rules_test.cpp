// The common dialog's Windows-free rules: filters, the initial pair, clamps, font sizes and the
// default help file.
#include <gtest/gtest.h>

#include <climits>

#include "controls/common_dlg/dialog_rules.h"

namespace {

using namespace std::string_literals;

TEST(DialogFilter, OnePairGetsTheClosingBarsAppended)
{
    EXPECT_EQ(rt::units::DialogFilter(L"Text|*.txt"), L"Text\0*.txt\0\0"s);
}

TEST(DialogFilter, AFilterEndingInTwoBarsGetsNothingAppended)
{
    EXPECT_EQ(rt::units::DialogFilter(L"Text|*.txt||"), L"Text\0*.txt\0\0"s);
    EXPECT_EQ(rt::units::DialogFilter(L"Text|*.txt||  \t\r\n"), L"Text\0*.txt\0\0"s);
}

TEST(DialogFilter, TrailingBlanksGoBeforeTheBarsAreChecked)
{
    EXPECT_EQ(rt::units::DialogFilter(L"A|*.a|B|*.b  "), L"A\0*.a\0B\0*.b\0\0"s);
    // A single trailing bar is not the pair of bars: two more are appended.
    EXPECT_EQ(rt::units::DialogFilter(L"A|*.a|"), L"A\0*.a\0\0\0"s);
}

TEST(DialogFilter, AnEmptyOrBlankFilterGivesNoFilter)
{
    EXPECT_EQ(rt::units::DialogFilter(L""), L"");
    EXPECT_EQ(rt::units::DialogFilter(L"   "), L"");
}

TEST(DialogFilter, TheProgramsPictureFilter)
{
    EXPECT_EQ(rt::units::DialogFilter(L"(*.bmp;*.jpg;*.gif;*.tiff;*.png)|*.bmp;*.jpg;*.gif;*.tiff;*.png"),
              L"(*.bmp;*.jpg;*.gif;*.tiff;*.png)\0*.bmp;*.jpg;*.gif;*.tiff;*.png\0\0"s);
}

TEST(DialogFilter, LeadingBlanksAndInnerBlanksStay)
{
    EXPECT_EQ(rt::units::DialogFilter(L" A B |*.a"), L" A B \0*.a\0\0"s);
}

TEST(InitialFilterPair, ZeroAndNegativeIndexesSelectTheFirstPair)
{
    EXPECT_EQ(rt::units::InitialFilterPair(true, 0), 1u);
    EXPECT_EQ(rt::units::InitialFilterPair(true, -1), 1u);
    EXPECT_EQ(rt::units::InitialFilterPair(true, INT32_MIN), 1u);
    EXPECT_EQ(rt::units::InitialFilterPair(true, 2), 3u);
    EXPECT_EQ(rt::units::InitialFilterPair(true, INT32_MAX), 0x80000000u);
    EXPECT_EQ(rt::units::InitialFilterPair(false, 2), 0u);
}

TEST(FontSizes, PointsAndHeightsRoundToNearest)
{
    EXPECT_EQ(rt::units::FontHeightForPoints(9, 96), -12);
    EXPECT_EQ(rt::units::FontHeightForPoints(10, 96), -13);  // 13.33
    EXPECT_EQ(rt::units::FontHeightForPoints(11, 96), -15);  // 14.67
    EXPECT_EQ(rt::units::FontPointsForHeight(-12, 96), 9);
    EXPECT_EQ(rt::units::FontPointsForHeight(16, 96), 12);
    EXPECT_EQ(rt::units::FontPointsForHeight(-13, 96), 10);  // 9.75
    EXPECT_EQ(rt::units::FontPointsForHeight(-12, 0), 0);
    EXPECT_EQ(rt::units::FontPointsForHeight(INT32_MIN, 1), INT32_MAX);
    EXPECT_EQ(rt::units::FontHeightForPoints(INT32_MAX, 96), -INT32_MAX);
}

TEST(DefaultHelpFile, TheProgramsNameWithTheHelpExtension)
{
    EXPECT_EQ(rt::units::DefaultHelpFile("C:\\app", "cutter.exe"), "C:\\app\\cutter.hlp");
    EXPECT_EQ(rt::units::DefaultHelpFile("C:\\app", "cutter"), "C:\\app\\cutter.hlp");
    EXPECT_EQ(rt::units::DefaultHelpFile("C:\\app", "my.cutter.exe"), "C:\\app\\my.cutter.hlp");
    EXPECT_EQ(rt::units::DefaultHelpFile("C:\\app", ""), "");
}

}  // namespace
