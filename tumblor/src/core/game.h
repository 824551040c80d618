#pragma once

#include "board.h"

#include <cstdint>

namespace tumblor {

// What a finished drag did.
struct DropResult
{
    bool moved = false; // the dragged tile took its neighbour's place
    bool won = false;   // ...and that move emptied the tenth column
};

// A game in play: the board and the drag in progress, driven by pixel positions on the 400 x 400 grid
// of 32-pixel cells and one-pixel lines. The window only forwards mouse presses and releases here.
class Game
{
public:
    static constexpr int CellPitch = 33; // 32 pixels of cell and one of grid line
    static constexpr int FirstActivePixel = 5;
    static constexpr int LastActivePixel = 394;

    Board board;
    std::int32_t DragCol = 0;
    std::int32_t DragRow = 0;
    bool Dragging = false;

    // Deals a new board and forgets any drag.
    void StartGame(RandomSource &random);

    // A mouse press at grid pixel (x, y). Returns true when a drag begins there; a press near the
    // grid's edge, or a second press during a drag, abandons any drag instead.
    bool StartDrag(int x, int y);

    // A mouse release at grid pixel (x, y). Ends the drag and makes the move when the rules allow it.
    // Does nothing when no drag is in progress.
    DropResult Drop(int x, int y);

    // The 1-based column (or row) under a grid pixel; a grid line belongs to the cell before it.
    static int CellAt(int pixel) { return pixel / CellPitch + 1; }
    static bool IsActive(int pixel) { return pixel >= FirstActivePixel && pixel <= LastActivePixel; }

private:
    bool CanDrop(int col, int row, int x, int y) const;
};

} // namespace tumblor
