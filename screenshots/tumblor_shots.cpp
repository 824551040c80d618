// tumblor's window in play, for the README: Game -> Start Game deals a board, and a few moves are made
// by dragging tiles with the mouse, so the board is full of tiles and the score counts the moves.
//
//   tumblor_shots FOLDER [--check]      writes FOLDER/tumblor.png
#include "windowshot.h"

#include "drawgrid.h"
#include "game.h"
#include "mainform.h"
#include "randomsource.h"

#include <QAction>
#include <QLabel>

#include <optional>
#include <random>

using namespace tumblor;

namespace {

// The same deal on every run, so that the picture only changes when the game does.
class FixedSeedRandom final : public RandomSource
{
public:
    void Randomize() override {}
    int Uniform(int low, int high) override { return std::uniform_int_distribution(low, high)(m_engine); }

private:
    std::mt19937 m_engine{20240611};
};

struct Move
{
    int col, row;  // the dragged tile
    int targetCol; // its neighbour in the same row
};

// The lowest move the rules allow out of column `col`: the tile above it drops into its place.
std::optional<Move> FindMove(const Board &board, int col)
{
    for (int row = BoardSize; row >= 1; --row) {
        if (!Board::IsTile(board.Kinds[col][row]))
            continue;
        for (int target : {col + 1, col - 1}) {
            if (target >= 1 && target <= BoardSize && Board::IsTile(board.Kinds[target][row]) &&
                board.MoveAllowed(target, row, col, row))
                return Move{col, row, target};
        }
    }
    return std::nullopt;
}

QPoint CellMiddle(int col, int row)
{
    return {(col - 1) * Game::CellPitch + 16, (row - 1) * Game::CellPitch + 16};
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RPS Tumblor"));
    shots::ShotRun run(app.arguments(), "Saves tumblor.png: the tile game with a board in play.");
    if (!run.usable())
        return 2;

    Tmain form;
    form.setRandomSource(std::make_unique<FixedSeedRandom>());
    if (!shots::ShowWindow(form)) {
        run.Fail(QStringLiteral("tumblor's window was never shown"));
        return run.Finish();
    }
    form.findChild<QAction *>(QStringLiteral("menustart"))->trigger();

    // Columns spread over the board, so that the cells the moves empty are not all in one corner.
    int moves = 0;
    for (int col : {3, 10, 6, 1, 8, 12, 5}) {
        const std::optional<Move> move = FindMove(form.game().board, col);
        if (!move)
            continue;
        shots::MouseDrag(form.grid(), CellMiddle(move->col, move->row),
                         CellMiddle(move->targetCol, move->row));
        ++moves;
    }
    const QString score = form.findChild<QLabel *>(QStringLiteral("Scorelb"))->text();
    if (moves < 3 || score != QStringLiteral("SCORE:%1").arg(moves))
        run.Fail(
            QStringLiteral("after %1 moves with the mouse the window shows \"%2\"").arg(moves).arg(score));

    run.SaveWindow(form, QStringLiteral("tumblor"));
    return run.Finish();
}
