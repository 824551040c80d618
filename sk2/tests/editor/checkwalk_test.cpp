#include "checkwalk.h"
#include "recordingfeedback.h"
#include "tilefixtures.h"

#include <gtest/gtest.h>

#include <vector>

using namespace sk2;

namespace {

// A grid of test pictures that writes down the order in which the check shows its cells.
class TestCells : public CourseCells
{
public:
    explicit TestCells(const CellCodes &codes)
        : codes(codes)
    {
        for (int cell = 0; cell < 20; ++cell)
            pictures[cell] = codes[cell] == 0 ? QImage() : fixtures::TilePicture(codes[cell]);
    }
    int Code(int cell) const override { return codes[cell]; }
    QImage Picture(int cell) const override { return pictures[cell]; }
    void SetPicture(int cell, const QImage &picture) override
    {
        pictures[cell] = picture;
        shown.push_back(cell);
    }
    bool Red(int cell, QPoint at = QPoint(25, 25)) const
    {
        return (pictures[cell].pixel(at) & RGB_MASK) == (CheckRed & RGB_MASK);
    }

    CellCodes codes;
    std::array<QImage, 20> pictures;
    std::vector<int> shown;
};

const CellCodes Oval = {3, 6, 6, 6, 4, 5, 12, 12, 12, 5, 5, 12, 12, 12, 5, 1, 6, 6, 6, 2};

} // namespace

TEST(CheckWalk, VisibleCheckOfTheOvalMarksEachCellThenPausesAndReportsSuccess)
{
    TestCells cells(Oval);
    RecordingFeedback feedback;
    CheckWalk(cells, RoadBlack, CheckRed, true, feedback);

    const std::vector<int> order{17, 18, 19, 14, 9, 4, 3, 2, 1, 0, 5, 10, 15, 16};
    EXPECT_EQ(cells.shown, order);
    QStringList expected;
    for (size_t i = 0; i < order.size(); ++i)
        expected << QStringLiteral("pause 350");
    expected << QStringLiteral("information: Course check successful");
    EXPECT_EQ(feedback.events, expected);
    for (int cell : order)
        EXPECT_TRUE(cells.Red(cell)) << cell;
    EXPECT_FALSE(cells.Red(6, QPoint(0, 0)));

    // The clearing pass walks the same way silently and leaves no red behind.
    RecordingFeedback silent;
    CheckWalk(cells, CheckRed, RoadBlack, false, silent);
    EXPECT_TRUE(silent.events.isEmpty());
    for (int cell : order)
        EXPECT_FALSE(cells.Red(cell)) << cell;
}

TEST(CheckWalk, FailuresBeepOrReportOnlyWhenVisible)
{
    struct Case
    {
        const char *what;
        std::vector<std::pair<int, int>> changes;
        QStringList visibleEvents;
        int marked;
    };
    const QString pause = QStringLiteral("pause 350");
    const std::vector<Case> cases = {
        {"no start", {{17, 12}, {12, 11}, {7, 12}}, {"error: cannot find start position for check"}, 0},
        {"empty start", {{17, 0}}, {"beep"}, 0},
        {"broken", {{19, 12}}, {pause, pause, "beep"}, 2},
        {"off the edge", {{19, 6}}, {pause, pause, pause, "beep"}, 3},
    };
    for (const Case &c : cases) {
        CellCodes codes = Oval;
        for (auto [cell, code] : c.changes)
            codes[cell] = code;
        for (bool visible : {true, false}) {
            TestCells cells(codes);
            RecordingFeedback feedback;
            CheckWalk(cells, RoadBlack, CheckRed, visible, feedback);
            EXPECT_EQ(feedback.events, visible ? c.visibleEvents : QStringList()) << c.what;
            EXPECT_EQ(int(cells.shown.size()), c.marked) << c.what;
        }
    }
}

TEST(CheckWalk, CrossingRunBothWaysIsMarkedWhole)
{
    CellCodes codes;
    codes.fill(12);
    codes[17] = 5;
    codes[12] = 7;
    codes[7] = 4;
    codes[6] = 3;
    codes[11] = 1;
    codes[13] = 4;
    codes[18] = 2;
    TestCells cells(codes);
    RecordingFeedback feedback;
    CheckWalk(cells, RoadBlack, CheckRed, false, feedback);
    for (QPoint at : {QPoint(25, 25), QPoint(25, 5), QPoint(25, 47), QPoint(2, 25), QPoint(50, 25)})
        EXPECT_TRUE(cells.Red(12, at)) << at.x() << "," << at.y();
}
