#include "scrolling.h"

#include <gtest/gtest.h>

using namespace tesselo;

namespace {

struct ScrollCase
{
    ScrollRequest request;
    int position;
    int client;
    int thumb;
    int expected;
};

class ScrollTargetTest : public testing::TestWithParam<ScrollCase>
{
};

TEST_P(ScrollTargetTest, MovesByLinesPagesAndTheReleasedThumb)
{
    const ScrollCase c = GetParam();
    EXPECT_EQ(ScrollTarget(c.request, c.position, c.client, TableWidth, c.thumb), c.expected);
}

// A client 600 pixels wide: lines of 10, pages of 400, and the last position 2048 - 600 = 1448.
INSTANTIATE_TEST_SUITE_P(
    Rules, ScrollTargetTest,
    testing::Values(ScrollCase{ScrollRequest::LineBack, 100, 600, 0, 90},
                    ScrollCase{ScrollRequest::LineBack, 10, 600, 0, 0},
                    ScrollCase{ScrollRequest::LineBack, 4, 600, 0, 0},
                    ScrollCase{ScrollRequest::LineForward, 100, 600, 0, 110},
                    ScrollCase{ScrollRequest::LineForward, 1440, 600, 0, 1448},
                    ScrollCase{ScrollRequest::LineForward, 1448, 600, 0, 1448},
                    ScrollCase{ScrollRequest::PageBack, 1000, 600, 0, 600},
                    ScrollCase{ScrollRequest::PageBack, 399, 600, 0, 0},
                    ScrollCase{ScrollRequest::PageForward, 0, 600, 0, 400},
                    ScrollCase{ScrollRequest::PageForward, 1100, 600, 0, 1448},
                    ScrollCase{ScrollRequest::PageForward, 0, 601, 0, 400}, // (2 x 601) / 3 rounds down
                    ScrollCase{ScrollRequest::ThumbTrack, 300, 600, 700, 300},
                    ScrollCase{ScrollRequest::ThumbRelease, 300, 600, 700, 700},
                    // A client wider than the table cannot scroll forward into negative positions.
                    ScrollCase{ScrollRequest::LineForward, 0, 2100, 0, 0},
                    ScrollCase{ScrollRequest::PageForward, 0, 2100, 0, 0}));

TEST(ScrollMaximumTest, LeavesTheTableEdgeInReachAndNeverGoesNegative)
{
    EXPECT_EQ(ScrollMaximum(TableWidth, 600), 1447);
    EXPECT_EQ(ScrollMaximum(TableHeight, 400), 1135);
    EXPECT_EQ(ScrollMaximum(TableWidth, 2047), 0);
    EXPECT_EQ(ScrollMaximum(TableWidth, 3000), 0);
}

} // namespace
