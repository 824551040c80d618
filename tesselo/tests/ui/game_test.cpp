// The game without its windows: dragging, joining and scoring on a 5 x 5 puzzle of a 100 x 100 picture,
// whose cells are 20 x 20 pixels and whose boxes are 40 x 40.
#include "bitmaps.h"
#include "fixtures.h"
#include "game.h"
#include "pieces.h"

#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tesselo;
using namespace tesselo::testing;

namespace {

class FakeClock : public PlayClock
{
public:
    void Start() override { running = true; }
    void Stop() override { running = false; }
    bool Running() const override { return running; }
    bool running = false;
};

class GameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        game.SetClock(&clock);
        game.table().Resize(QSize(800, 600));
        pieceCount = 25;
        pieceStyle = 1;
        SeedRandom(7);
        ASSERT_EQ(game.NewPicture(WritePicture(dir, QStringLiteral("square.bmp"), 100, 100), false), 0);
        ASSERT_TRUE(game.BuildPuzzle(false));
        ASSERT_EQ(total, 25);
        LayOut();
    }

    static Piece &P(int id) { return *pieceTable[id].piece; }
    static QPoint Centre(const Piece &p) { return QPoint(p.x + p.w / 2, p.y + p.h / 2); }

    // Piece 0 near the top left, where the picture is put together; every other piece on its own spot
    // of a grid to the right, none overlapping.
    void LayOut()
    {
        for (int id = 0; id < total; ++id) {
            P(id).x = id == 0 ? 60 : 300 + (id % 5) * 60;
            P(id).y = id == 0 ? 60 : 40 + (id / 5) * 60;
        }
        game.table().RedrawTable(QRect(0, 0, TableWidth, TableHeight));
    }

    // Where piece `id` belongs when piece `anchor` lies where it lies.
    static QPoint PlaceBeside(int anchor, int id)
    {
        return QPoint(P(anchor).x + P(id).srcX - P(anchor).srcX, P(anchor).y + P(id).srcY - P(anchor).srcY);
    }

    // Drags piece `id` by its middle so that its box's corner ends at `to`, and drops it.
    DropOutcome DragTo(int id, QPoint to)
    {
        const QPoint grab = Centre(P(id));
        EXPECT_TRUE(game.Press(grab));
        game.DragStep(grab + (to - QPoint(P(id).x, P(id).y)));
        return game.Drop();
    }

    static bool SameGroup(int a, int b) { return pieceTable[a].group == pieceTable[b].group; }

    QTemporaryDir dir;
    FakeClock clock;
    MessageLog log;
    Game game;
};

TEST_F(GameTest, ANewPuzzleStartsWithOnePiecePlacedAndTheClockRunning)
{
    EXPECT_EQ(placed, 1);
    EXPECT_EQ(score, 0);
    EXPECT_EQ(elapsed, 0);
    EXPECT_TRUE(clock.running);
    EXPECT_FALSE(game.dirty());
}

struct SnapCase
{
    int dx;
    int dy;
    bool joins;
};

class SnapTest : public GameTest, public ::testing::WithParamInterface<SnapCase>
{
};

TEST_P(SnapTest, APieceJoinsItsNeighbourWithinFivePixelsInEachAxis)
{
    const SnapCase c = GetParam();
    elapsed = 12;
    const QPoint home = PlaceBeside(0, 1);
    const DropOutcome outcome = DragTo(1, home + QPoint(c.dx, c.dy));

    EXPECT_EQ(outcome.joins, c.joins ? 1 : 0);
    EXPECT_EQ(SameGroup(0, 1), c.joins);
    EXPECT_TRUE(game.dirty());
    // The dropped piece stays where it was let go.
    EXPECT_EQ(QPoint(P(1).x, P(1).y), home + QPoint(c.dx, c.dy));
    if (c.joins) {
        // The neighbour is pulled exactly into place beside it; the first join after 12 seconds scores
        // 25 - 1 - 12 + 0.
        EXPECT_EQ(PlaceBeside(0, 1), QPoint(P(1).x, P(1).y));
        EXPECT_EQ(score, 12);
        EXPECT_EQ(placed, 2);
        EXPECT_EQ(lastJoin, 12);
    } else {
        EXPECT_EQ(QPoint(P(0).x, P(0).y), QPoint(60, 60));
        EXPECT_EQ(score, 0);
        EXPECT_EQ(placed, 1);
        EXPECT_EQ(lastJoin, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Tolerance, SnapTest,
                         ::testing::Values(SnapCase{0, 0, true}, SnapCase{5, 5, true}, SnapCase{-5, 5, true},
                                           SnapCase{5, -5, true}, SnapCase{6, 0, false},
                                           SnapCase{0, -6, false}, SnapCase{-6, 5, false}));

TEST_F(GameTest, AJoinLongAfterTheLastScoresOne)
{
    DragTo(1, PlaceBeside(0, 1));
    ASSERT_EQ(score, 24);
    elapsed = 400;
    DragTo(2, PlaceBeside(1, 2));
    EXPECT_EQ(score, 25);
    EXPECT_EQ(placed, 3);
}

TEST_F(GameTest, ADropBetweenTwoGroupsJoinsBothAndScoresTwice)
{
    // Pieces 0 and 2 lie in place but are not neighbours; piece 1 fits between them.
    const QPoint beside0 = PlaceBeside(0, 2);
    P(2).x = beside0.x();
    P(2).y = beside0.y();
    game.table().RedrawTable(QRect(0, 0, TableWidth, TableHeight));

    const DropOutcome outcome = DragTo(1, PlaceBeside(0, 1));

    EXPECT_EQ(outcome.joins, 2);
    // The second join's gain counts the first: 24, then 23.
    EXPECT_EQ(score, 24 + 23);
    EXPECT_EQ(placed, 3);
    EXPECT_TRUE(SameGroup(0, 1));
    EXPECT_TRUE(SameGroup(1, 2));
}

TEST_F(GameTest, AGroupIsDraggedWholeAndItsChainHoldsEveryMember)
{
    DragTo(1, PlaceBeside(0, 1));
    DragTo(5, PlaceBeside(0, 5));
    const QPoint before0(P(0).x, P(0).y);
    const QPoint offset1 = QPoint(P(1).x, P(1).y) - before0;

    // Grabbing piece 5 moves 0, 1 and 5 together.
    const QPoint grab = Centre(P(5));
    ASSERT_TRUE(game.Press(grab));
    game.DragStep(grab + QPoint(-37, 55));
    game.Drop();

    EXPECT_EQ(QPoint(P(0).x, P(0).y), before0 + QPoint(-37, 55));
    EXPECT_EQ(QPoint(P(1).x, P(1).y) - QPoint(P(0).x, P(0).y), offset1);
    int members = 0;
    for (int at = pieceTable[0].group;; at = pieceTable[at].next) {
        ++members;
        EXPECT_EQ(pieceTable[at].group, pieceTable[0].group);
        if (pieceTable[at].next == at)
            break;
    }
    EXPECT_EQ(members, 3);
    // The dragged group lies in front of every other piece.
    for (const Piece *p = pieceFront; p && p != pieceFront->next->next->next; p = p->next)
        EXPECT_TRUE(SameGroup(p->id, 0));
}

TEST_F(GameTest, PressingOutsideEveryShapePicksNothing)
{
    // A box's corner lies outside the piece's shape, and nothing else lies there.
    EXPECT_FALSE(game.Press(QPoint(P(12).x + 1, P(12).y + 1)));
    EXPECT_FALSE(game.table().dragging());
    EXPECT_FALSE(game.Press(QPoint(5, 5)));
}

TEST_F(GameTest, PressingWhereTwoPiecesOverlapPicksTheFrontOne)
{
    // Piece 3 is moved onto piece 8 and brought to the front by dragging it there.
    DragTo(3, QPoint(P(8).x, P(8).y));
    ASSERT_EQ(pieceFront, &P(3));
    ASSERT_TRUE(game.Press(Centre(P(8))));
    EXPECT_EQ(pieceFront, &P(3));
    game.Drop();
}

TEST_F(GameTest, DraggingBeyondTheWindowScrollsALineAndKeepsThePointerInside)
{
    game.table().Resize(QSize(400, 300));
    const QPoint grab = Centre(P(0));
    ASSERT_TRUE(game.Press(grab));
    bool scrolled = false;
    game.DragStep(QPoint(450, grab.y()), &scrolled);
    EXPECT_TRUE(scrolled);
    EXPECT_EQ(game.table().scroll(), QPoint(10, 0));
    // The piece follows the pointer held at the window's edge, on the scrolled table.
    EXPECT_EQ(P(0).x + P(0).w / 2, 400 + 10);
    game.Drop();
}

TEST_F(GameTest, AGroupCannotBeLeftOffTheTable)
{
    // A window wider than the table: the pointer can go beyond the table's right edge, the piece cannot.
    game.table().Resize(QSize(2400, 1700));
    const QPoint grab = Centre(P(0));
    ASSERT_TRUE(game.Press(grab));
    game.DragStep(QPoint(2300, 1650));
    game.Drop();
    EXPECT_LT(P(0).x, TableWidth);
    EXPECT_LT(P(0).y, TableHeight);
    EXPECT_TRUE(game.Press(QPoint(TableWidth - 1, TableHeight - 1)));
    game.Drop();
}

TEST_F(GameTest, TheLastJoinFinishesOnceAndStopsTheClock)
{
    int finishedDrops = 0;
    for (int id = 1; id < total; ++id) {
        const int anchor = id % 5 == 0 ? id - 5 : id - 1;
        finishedDrops += DragTo(id, PlaceBeside(anchor, id)).finished ? 1 : 0;
    }
    EXPECT_EQ(placed, total);
    EXPECT_EQ(finishedDrops, 1);
    EXPECT_FALSE(clock.running);

    // Moving the finished picture shows nothing more and joins nothing.
    const int finalScore = score;
    const DropOutcome again = DragTo(0, QPoint(P(0).x + 30, P(0).y + 30));
    EXPECT_FALSE(again.finished);
    EXPECT_EQ(again.joins, 0);
    EXPECT_EQ(score, finalScore);
}

TEST_F(GameTest, TheTableShowsThePiecesAndTheDraggedGroupOverTheBacking)
{
    // Before and after a drag the screen shows what the backing holds, plus the group while dragging.
    QImage screen(800, 600, QImage::Format_RGB32);
    auto paint = [&] {
        QPainter painter(&screen);
        game.table().Paint(painter, screen.rect());
    };
    paint();
    const QRgb inside = screen.pixel(Centre(P(6)));
    EXPECT_NE(inside, BackgroundColour);

    const QPoint grab = Centre(P(6));
    ASSERT_TRUE(game.Press(grab));
    game.DragStep(QPoint(100, 400));
    paint();
    EXPECT_EQ(screen.pixel(grab), BackgroundColour) << "the piece has left its old place";
    EXPECT_EQ(screen.pixel(100, 400), inside) << "and is drawn where the pointer is";
    game.Drop();
    paint();
    EXPECT_EQ(screen.pixel(100, 400), inside);
}

// A picture only one cell high: its pieces' boxes are twice its height, far more than the 1.2 times the
// picture that the drag composite is first made for.
TEST(WideGroupTest, AGroupTallerThanThePictureIsDraggedWhole)
{
    QTemporaryDir dir;
    MessageLog log;
    Game game;
    game.table().Resize(QSize(800, 600));
    pieceCount = 25;
    pieceStyle = 0;
    SeedRandom(2);
    ASSERT_EQ(game.NewPicture(WritePicture(dir, QStringLiteral("strip.bmp"), 200, 20), false), 0);
    ASSERT_TRUE(game.BuildPuzzle(false));
    ASSERT_EQ(rows, 1);

    // Put the whole strip together at (100, 100) as one group.
    for (int id = 0; id < total; ++id) {
        Piece &p = *pieceTable[id].piece;
        p.x = 100 + p.srcX;
        p.y = 100 + p.srcY;
        pieceTable[id].group = 0;
        pieceTable[id].next = id + 1 < total ? id + 1 : id;
    }
    placed = total;
    game.table().RedrawTable(QRect(0, 0, TableWidth, TableHeight));

    const Piece &middle = *pieceTable[total / 2].piece;
    const QPoint grab(middle.x + middle.w / 2, middle.y + middle.h / 2);
    ASSERT_TRUE(game.Press(grab));
    game.DragStep(grab + QPoint(30, 200));

    QImage screen(800, 600, QImage::Format_RGB32);
    {
        QPainter painter(&screen);
        game.table().Paint(painter, screen.rect());
    }
    // The picture's lowest rows, moved with the group, are all there.
    for (int x : {20, 106, 180}) {
        const QRgb expected = qRgb((x * 255) / 200, (18 * 255) / 20, ((x + 18) * 97) % 256);
        EXPECT_EQ(screen.pixel(100 + 30 + x, 100 + 200 + 18), expected) << "column " << x;
    }
    game.Drop();
}

} // namespace
