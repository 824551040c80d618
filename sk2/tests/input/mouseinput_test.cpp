#include "mouseinput.h"
#include "scriptedservices.h"
#include "virtualkeys.h"

#include <gtest/gtest.h>

#include <memory>

namespace sk2 {
namespace {

class MouseInputTest : public ScriptedServices
{
protected:
    // The pointer starts at start; the device takes it as its reference.
    std::unique_ptr<TMouseInput> Mouse(int cursorMode, int threshold, QPoint start = QPoint(500, 300))
    {
        pointer.position = start;
        return std::make_unique<TMouseInput>(cursorMode, threshold, Services());
    }

    // The race form's order: Down only when Up is false, Right only when Left is false.
    struct Poll
    {
        bool up, down, left, right;
    };
    static Poll PollAll(TMouseInput &mouse)
    {
        Poll poll{};
        poll.up = mouse.Up();
        poll.down = !poll.up && mouse.Down();
        poll.left = mouse.Left();
        poll.right = !poll.left && mouse.Right();
        return poll;
    }
};

TEST_F(MouseInputTest, InitTakesThePointerAsReferenceAndTheSensitivityAsThreshold)
{
    auto mouse = Mouse(1, 25, QPoint(612, 344));
    EXPECT_TRUE(mouse->Available);
    EXPECT_TRUE(mouse->MousePresent);
    EXPECT_EQ(mouse->RefPos, QPoint(612, 344));
    EXPECT_EQ(mouse->Threshold, 25);
    EXPECT_EQ(mouse->CursorMode, 1);
    EXPECT_TRUE(pointer.moves.isEmpty());
}

TEST_F(MouseInputTest, TravelCountsFromTheThresholdOn)
{
    struct Case
    {
        int threshold;
        QPoint travel;
        bool up, down, left, right;
    };
    const Case cases[] = {
        {25, {0, -24}, false, false, false, false},     {25, {0, -25}, true, false, false, false},
        {25, {0, 25}, false, true, false, false},       {25, {0, 24}, false, false, false, false},
        {25, {-25, 0}, false, false, true, false},      {25, {25, 0}, false, false, false, true},
        {25, {24, -24}, false, false, false, false},    {0, {1, 0}, false, false, false, true},
        {0, {0, -1}, true, false, false, false},        {0, {0, 0}, false, false, false, false},
        {150, {-149, 149}, false, false, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.threshold << " (" << c.travel.x() << ", " << c.travel.y() << ")");
        auto mouse = Mouse(0, c.threshold);
        pointer.position += c.travel;
        EXPECT_EQ(mouse->Up(), c.up);
        EXPECT_EQ(mouse->Down(), c.down);
        EXPECT_EQ(mouse->Left(), c.left);
        EXPECT_EQ(mouse->Right(), c.right);
    }
}

TEST_F(MouseInputTest, AVerticalDirectionHoldsUntilAHorizontalMovementRecentres)
{
    auto mouse = Mouse(1, 25);
    pointer.position += QPoint(0, -30);
    for (int poll = 0; poll < 3; ++poll) {
        const Poll result = PollAll(*mouse);
        EXPECT_TRUE(result.up);
        EXPECT_FALSE(result.left || result.right);
    }
    EXPECT_TRUE(pointer.moves.isEmpty()) << "vertical queries never move the pointer";
    EXPECT_EQ(mouse->RefPos, QPoint(500, 300));

    pointer.position += QPoint(25, 0);
    const Poll detected = PollAll(*mouse);
    EXPECT_TRUE(detected.up);
    EXPECT_TRUE(detected.right);
    EXPECT_EQ(pointer.moves, QList<QPoint>{QPoint(400, 400)});
    EXPECT_EQ(pointer.position, QPoint(400, 400));
    EXPECT_EQ(mouse->RefPos, QPoint(400, 400));
    EXPECT_EQ(mouse->CurPos, QPoint(400, 400));

    const Poll afterwards = PollAll(*mouse);
    EXPECT_FALSE(afterwards.up || afterwards.down || afterwards.left || afterwards.right);
}

TEST_F(MouseInputTest, WithoutRecentringTheReferenceStaysWhereInitFoundIt)
{
    auto mouse = Mouse(0, 25);
    pointer.position += QPoint(-40, 40);
    for (int poll = 0; poll < 3; ++poll) {
        const Poll result = PollAll(*mouse);
        EXPECT_TRUE(result.down);
        EXPECT_TRUE(result.left);
    }
    EXPECT_TRUE(pointer.moves.isEmpty());
    EXPECT_EQ(mouse->RefPos, QPoint(500, 300));
}

TEST_F(MouseInputTest, ADiagonalReportsBothAxesThenRecentres)
{
    auto mouse = Mouse(1, 10);
    pointer.position += QPoint(-12, 15);
    const Poll result = PollAll(*mouse);
    EXPECT_TRUE(result.down);
    EXPECT_TRUE(result.left);
    EXPECT_EQ(mouse->RefPos, QPoint(400, 400));
    EXPECT_EQ(pointer.moves.size(), 1);
}

TEST_F(MouseInputTest, MovingThePointerAfterCreationDoesNotMoveTheReference)
{
    auto mouse = Mouse(1, 25, QPoint(100, 100));
    pointer.SetCursorPos(400, 400); // as the race form does for player 1's mouse
    EXPECT_FALSE(mouse->Up());
    EXPECT_TRUE(mouse->Down());
    EXPECT_TRUE(mouse->Right());
}

TEST_F(MouseInputTest, AnUnreadablePointerChangesNothing)
{
    auto mouse = Mouse(1, 25);
    pointer.position += QPoint(30, -30);
    ASSERT_TRUE(mouse->Up());
    pointer.readFails = true;
    pointer.position = QPoint(0, 900);
    const bool nearYBefore = mouse->NearY;
    EXPECT_FALSE(mouse->Up());
    EXPECT_FALSE(mouse->Down());
    EXPECT_FALSE(mouse->Left());
    EXPECT_FALSE(mouse->Right());
    EXPECT_EQ(mouse->RefPos, QPoint(500, 300));
    EXPECT_EQ(mouse->CurPos, QPoint(530, 270));
    EXPECT_EQ(mouse->NearY, nearYBefore);
    EXPECT_TRUE(pointer.moves.isEmpty());
}

TEST_F(MouseInputTest, WithoutAMouseOnlyTheButtonsWork)
{
    pointer.mousePresent = false;
    auto mouse = Mouse(1, 25);
    EXPECT_FALSE(mouse->Available);
    EXPECT_FALSE(mouse->MousePresent);
    pointer.position = QPoint(0, 0);
    EXPECT_FALSE(mouse->Up());
    EXPECT_FALSE(mouse->Left());
    keys.Press(win::VK_LBUTTON);
    EXPECT_TRUE(mouse->Fire1());
    EXPECT_FALSE(mouse->Fire2());
    keys.Release(win::VK_LBUTTON);
    keys.Press(win::VK_RBUTTON);
    EXPECT_FALSE(mouse->Fire1());
    EXPECT_TRUE(mouse->Fire2());
}

TEST_F(MouseInputTest, APointerUnreadableAtCreationLeavesTheMouseUnavailable)
{
    pointer.readFails = true;
    auto mouse = Mouse(1, 25);
    EXPECT_TRUE(mouse->MousePresent);
    EXPECT_FALSE(mouse->Available);
    pointer.readFails = false;
    pointer.position = QPoint(0, 0);
    EXPECT_FALSE(mouse->Up());
    EXPECT_FALSE(mouse->Left());
}

TEST_F(MouseInputTest, DetectedDirectionsAreTraced)
{
    auto mouse = Mouse(1, 25, QPoint(400, 400));
    pointer.position = QPoint(370, 430);
    EXPECT_FALSE(mouse->Up());
    EXPECT_TRUE(mouse->Down());
    EXPECT_TRUE(mouse->Left());
    pointer.position = QPoint(430, 370);
    EXPECT_TRUE(mouse->Up());
    EXPECT_TRUE(mouse->Right());
    EXPECT_EQ(trace, QStringList({
                         "mouse south get true ",
                         "mouse west cx= 0370 cy= 0430 :: mx= 0400 my= 0400",
                         "mouse north cx= 0430 cy= 0370 :: mx= 0400 my= 0400",
                         "mouse east get true ",
                     }));
    EXPECT_EQ(mouse->DebugText, "cx= 0430 cy= 0370 :: mx= 0400 my= 0400") << "Right leaves it alone";
}

} // namespace
} // namespace sk2
