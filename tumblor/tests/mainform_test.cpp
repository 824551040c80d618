#include "drawgrid.h"
#include "mainform.h"
#include "scriptedrandom.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tumblor;

namespace {

// Answers every message box that opens while it lives, and remembers what the boxes said.
class MessageBoxWatcher
{
public:
    MessageBoxWatcher()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(widget);
                if (box && box->isVisible()) {
                    texts.append(box->text());
                    titles.append(box->windowTitle());
                    box->accept();
                }
            }
        });
        m_timer.start(10);
    }
    QStringList texts;
    QStringList titles;

private:
    QTimer m_timer;
};

int Centre(int cell)
{
    return (cell - 1) * Game::CellPitch + 16;
}

class MainFormTest : public testing::Test
{
protected:
    void SetUp() override
    {
        QApplication::setApplicationName(QStringLiteral("RPS Tumblor"));
        form.setRandomSource(std::make_unique<ScriptedRandom>(UniformRocks()));
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    void StartFromMenu() { form.findChild<QAction *>(QStringLiteral("menustart"))->trigger(); }
    QString ScoreText() const { return form.findChild<QLabel *>(QStringLiteral("Scorelb"))->text(); }

    void Drag(int fromCol, int fromRow, int toCol, int toRow)
    {
        QTest::mousePress(form.grid(), Qt::LeftButton, {}, QPoint(Centre(fromCol), Centre(fromRow)));
        QTest::mouseRelease(form.grid(), Qt::LeftButton, {}, QPoint(Centre(toCol), Centre(toRow)));
    }

    // The cell's pixels on the grid as the player sees them.
    QImage CellOnScreen(int col, int row)
    {
        return form.grid()
            ->grab(form.grid()->CellRect(col - 1, row - 1))
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    static QImage Picture(const QString &name)
    {
        return QImage(QStringLiteral(":/tiles/%1.png").arg(name)).convertToFormat(QImage::Format_RGB32);
    }

    Tmain form;
};

} // namespace

TEST_F(MainFormTest, OpensWithNoGameOnAndTheControlsOfItsDesign)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Tumblor II"));
    EXPECT_EQ(form.centralWidget()->size(), QSize(415, 420));
    EXPECT_EQ(form.grid()->geometry(), QRect(8, 0, 400, 400));
    EXPECT_FALSE(form.grid()->isEnabled());
    EXPECT_EQ(ScoreText(), QStringLiteral("SCORE:0"));
    for (const char *name : {"mgame", "minfo"})
        EXPECT_TRUE(form.findChild<QMenu *>(QLatin1String(name))) << name;
    for (const char *name : {"menustart", "menuexit", "minfoitem"})
        EXPECT_TRUE(form.findChild<QAction *>(QLatin1String(name))) << name;

    // Before the first game the grid takes no clicks.
    QTest::mousePress(form.grid(), Qt::LeftButton, {}, QPoint(Centre(2), Centre(2)));
    EXPECT_FALSE(form.game().Dragging);
}

TEST_F(MainFormTest, StartGameDealsAndDrawsTheBoard)
{
    StartFromMenu();
    EXPECT_TRUE(form.grid()->isEnabled());
    EXPECT_EQ(ScoreText(), QStringLiteral("SCORE:0"));
    EXPECT_EQ(form.game().board.Kinds[7][7], Rock);
    EXPECT_EQ(CellOnScreen(7, 7), Picture(QStringLiteral("R1")));
}

TEST_F(MainFormTest, OneMoveByMousePressAndRelease)
{
    StartFromMenu();
    Board &board = form.game().board;
    board.Kinds[3][12] = Paper;
    board.Colours[3][12] = 5;
    form.DrawBoard();

    QTest::mousePress(form.grid(), Qt::LeftButton, {}, QPoint(Centre(3), Centre(12)));
    EXPECT_TRUE(form.game().Dragging);
    EXPECT_EQ(CellOnScreen(3, 12), Picture(QStringLiteral("E"))) << "the dragged tile looks lifted";
    EXPECT_TRUE(QGuiApplication::overrideCursor());
    QTest::mouseRelease(form.grid(), Qt::LeftButton, {}, QPoint(Centre(4), Centre(12)));

    EXPECT_EQ(board.Kinds[4][12], Paper);
    EXPECT_EQ(board.Colours[4][12], 5);
    EXPECT_EQ(board.Kinds[3][1], Empty);
    EXPECT_EQ(ScoreText(), QStringLiteral("SCORE:1"));
    EXPECT_EQ(CellOnScreen(4, 12), Picture(QStringLiteral("P5")));
    EXPECT_EQ(CellOnScreen(3, 1), Picture(QStringLiteral("E")));
    EXPECT_FALSE(QGuiApplication::overrideCursor());
}

TEST_F(MainFormTest, ARefusedDropShowsTheOriginTileAgain)
{
    StartFromMenu();
    Drag(3, 5, 3, 6); // onto the cell below
    EXPECT_EQ(form.game().board.Score, 0);
    EXPECT_EQ(CellOnScreen(3, 5), Picture(QStringLiteral("R1")));
    EXPECT_FALSE(QGuiApplication::overrideCursor());
}

TEST_F(MainFormTest, YouWinIsShownOnceAfterTheTenthEmptiedColumn)
{
    StartFromMenu();
    Board &board = form.game().board;
    // Each of columns 1..11 keeps only its bottom tile, a paper; column 12 stays full of rocks.
    for (int col = 1; col <= 11; ++col) {
        for (int row = 1; row < BoardSize; ++row)
            board.Kinds[col][row] = Empty;
        board.Kinds[col][BoardSize] = Paper;
        board.Colours[col][BoardSize] = 3;
    }
    form.DrawBoard();

    MessageBoxWatcher watcher;
    // Each paper takes its right neighbour's place, same colour, emptying its own column.
    for (int col = 1; col <= 10; ++col)
        Drag(col, BoardSize, col + 1, BoardSize);
    EXPECT_EQ(board.ClearedColumns, 10);
    EXPECT_EQ(board.Score, 10 * (ColumnBonus + 1));
    EXPECT_EQ(ScoreText(), QStringLiteral("SCORE:1010"));
    EXPECT_EQ(watcher.texts, QStringList{QStringLiteral("You win")});
    EXPECT_EQ(watcher.titles, QStringList{QStringLiteral("RPS Tumblor")});

    // The eleventh emptied column (paper over rock) shows nothing more.
    Drag(11, BoardSize, 12, BoardSize);
    EXPECT_EQ(board.ClearedColumns, 11);
    EXPECT_EQ(watcher.texts.size(), 1);
}

TEST_F(MainFormTest, TheRulesMessageHasItsLinesAndTheBoardIsRedrawnAfterIt)
{
    const QStringList lines = Tmain::RulesText().split(QLatin1Char('\r'));
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("ROCK PAPER SCISSORS TUMBLOR")));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[2], QStringLiteral("Collapse tiles by dragging tile over another to the left or right."));
    EXPECT_EQ(lines[3], QStringLiteral("- paper tiles can collapse rock tiles"));
    EXPECT_EQ(lines[4], QStringLiteral("- scissor tiles can collapse paper tiles"));
    EXPECT_EQ(lines[5], QStringLiteral("- rock tiles can collapse scissor tiles"));
    EXPECT_EQ(lines[6], QStringLiteral("  tiles of same color can collapse each other."));
    EXPECT_FALSE(Tmain::RulesText().contains(QLatin1Char('\n')));

    StartFromMenu();
    // A lifted tile stays lifted until the next redraw; closing the rules box is one.
    QTest::mousePress(form.grid(), Qt::LeftButton, {}, QPoint(Centre(2), Centre(2)));
    QTest::mousePress(form.grid(), Qt::RightButton, {}, QPoint(Centre(2), Centre(2)));
    EXPECT_FALSE(form.game().Dragging);
    EXPECT_EQ(CellOnScreen(2, 2), Picture(QStringLiteral("E")));

    MessageBoxWatcher watcher;
    form.findChild<QAction *>(QStringLiteral("minfoitem"))->trigger();
    ASSERT_EQ(watcher.texts.size(), 1);
    EXPECT_EQ(watcher.texts[0].split(QLatin1Char('\n')), lines);
    EXPECT_EQ(CellOnScreen(2, 2), Picture(QStringLiteral("R1")));
    QGuiApplication::restoreOverrideCursor();
}

TEST_F(MainFormTest, StartingAgainDealsANewBoardAndResetsTheScore)
{
    StartFromMenu();
    Drag(3, 12, 4, 12); // rock onto rock of the same colour
    EXPECT_EQ(ScoreText(), QStringLiteral("SCORE:1"));
    StartFromMenu();
    EXPECT_EQ(ScoreText(), QStringLiteral("SCORE:0"));
    EXPECT_EQ(form.game().board.Kinds[3][1], Rock);
}

TEST(TilePictures, AllThirtyOneAre32By32WithAtMostSixteenColours)
{
    QStringList names{QStringLiteral("E")};
    for (const char *letter : {"R", "S", "P"})
        for (int colour = 1; colour <= ColourCount; ++colour)
            names.append(QStringLiteral("%1%2").arg(QLatin1String(letter)).arg(colour));
    for (const QString &name : names) {
        const QImage image(QStringLiteral(":/tiles/%1.png").arg(name));
        ASSERT_FALSE(image.isNull()) << qPrintable(name);
        EXPECT_EQ(image.size(), QSize(32, 32)) << qPrintable(name);
        QSet<QRgb> colours;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                colours.insert(image.pixel(x, y));
        EXPECT_LE(colours.size(), 16) << qPrintable(name);
    }
    EXPECT_EQ(QImage(QStringLiteral(":/tiles/E.png")).pixel(5, 5), qRgb(192, 192, 192));
    // The tile colour shows in the background of every tile of that colour.
    EXPECT_EQ(QImage(QStringLiteral(":/tiles/P1.png")).pixel(3, 3), qRgb(0, 0, 255));
    EXPECT_EQ(QImage(QStringLiteral(":/tiles/S10.png")).pixel(3, 3), qRgb(191, 0, 0));
}
