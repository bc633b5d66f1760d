// The gradient arithmetic: which colours take part, blending along them, and where each mode puts
// the ends of its gradient.
#include <gtest/gtest.h>

#include "controls/label/label_gradient.h"

namespace {

TEST(LabelGradient, UnusedColoursAreLeftOut)
{
    EXPECT_EQ(rt::units::UsedColours(1, 0xff000000, 3), (std::vector<COLORREF>{1, 3}));
    EXPECT_TRUE(rt::units::UsedColours(0xff000000, 0xff000000, 0xff000000).empty());
}

TEST(LabelGradient, BlendRunsThroughTheColoursInOrder)
{
    std::vector<COLORREF> colours{RGB(0, 0, 0), RGB(200, 100, 50), RGB(0, 0, 0)};
    EXPECT_EQ(rt::units::BlendColours(colours, 0.0), RGB(0, 0, 0));
    EXPECT_EQ(rt::units::BlendColours(colours, 0.5), RGB(200, 100, 50));
    EXPECT_EQ(rt::units::BlendColours(colours, 0.25), RGB(100, 50, 25));
    EXPECT_EQ(rt::units::BlendColours(colours, 1.0), RGB(0, 0, 0));
    EXPECT_EQ(rt::units::BlendColours(colours, 7.0), RGB(0, 0, 0));
    EXPECT_EQ(rt::units::BlendColours(colours, -1.0), RGB(0, 0, 0));
    EXPECT_EQ(rt::units::BlendColours({}, 0.5), RGB(0, 0, 0));
}

struct ModeEnds {
    int mode;
    int startX, startY;  // where the gradient is at 0
    int endX, endY;      // where it is at 1
};

class LabelGradientModes : public ::testing::TestWithParam<ModeEnds> {};

TEST_P(LabelGradientModes, EachModeRunsFromItsStartToItsEnd)
{
    ModeEnds ends = GetParam();
    EXPECT_DOUBLE_EQ(rt::units::GradientPosition(ends.mode, ends.startX, ends.startY, 11, 21), 0.0);
    EXPECT_DOUBLE_EQ(rt::units::GradientPosition(ends.mode, ends.endX, ends.endY, 11, 21), 1.0);
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 11; ++x) {
            double position = rt::units::GradientPosition(ends.mode, x, y, 11, 21);
            ASSERT_GE(position, 0.0);
            ASSERT_LE(position, 1.0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllModes, LabelGradientModes,
                         ::testing::Values(ModeEnds{1, 0, 5, 10, 5}, ModeEnds{2, 3, 0, 3, 20},
                                           ModeEnds{3, 0, 0, 10, 20}, ModeEnds{4, 0, 20, 10, 0},
                                           ModeEnds{5, 5, 0, 0, 7}, ModeEnds{6, 0, 10, 4, 20},
                                           ModeEnds{7, 5, 10, 10, 3}, ModeEnds{8, 5, 10, 5, 0}));

TEST(LabelGradient, OnePixelAreasStayInRange)
{
    for (int mode = 1; mode <= 8; ++mode) {
        EXPECT_DOUBLE_EQ(rt::units::GradientPosition(mode, 0, 0, 1, 1), 0.0) << mode;
    }
}

}  // namespace
