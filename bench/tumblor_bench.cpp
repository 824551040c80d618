// Board operations of tumblor: dealing, the move rule and closing a gap.
#include "board.h"
#include "game.h"
#include "randomsource.h"

#include <benchmark/benchmark.h>

using namespace tumblor;

static void BM_DealBoard(benchmark::State &state)
{
    ClockSeededRandom random;
    Board board;
    for (auto _ : state) {
        board.DealBoard(random);
        benchmark::DoNotOptimize(board.Kinds);
    }
}
BENCHMARK(BM_DealBoard);

static void BM_MoveAllowedOverTheBoard(benchmark::State &state)
{
    ClockSeededRandom random;
    Board board;
    board.DealBoard(random);
    for (auto _ : state) {
        int allowed = 0;
        for (int col = 1; col < BoardSize; ++col)
            for (int row = 1; row <= BoardSize; ++row)
                allowed += board.MoveAllowed(col + 1, row, col, row);
        benchmark::DoNotOptimize(allowed);
    }
}
BENCHMARK(BM_MoveAllowedOverTheBoard);

// A whole game of greedy play: every move the board allows, from a fresh deal until none is left.
static void BM_PlayOutAGame(benchmark::State &state)
{
    ClockSeededRandom random;
    for (auto _ : state) {
        Game game;
        game.StartGame(random);
        bool moved = true;
        while (moved) {
            moved = false;
            for (int col = 1; col <= BoardSize && !moved; ++col) {
                for (int row = BoardSize; row >= 1 && !moved; --row) {
                    for (int target : {col - 1, col + 1}) {
                        if (target < 1 || target > BoardSize)
                            continue;
                        const int x = (col - 1) * Game::CellPitch + 16, y = (row - 1) * Game::CellPitch + 16;
                        game.StartDrag(x, y);
                        if (game.Drop((target - 1) * Game::CellPitch + 16, y).moved) {
                            moved = true;
                            break;
                        }
                    }
                }
            }
        }
        benchmark::DoNotOptimize(game.board.Score);
    }
}
BENCHMARK(BM_PlayOutAGame);

BENCHMARK_MAIN();
