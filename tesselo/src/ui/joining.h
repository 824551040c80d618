#pragma once

#include <QRect>

#include <functional>

struct Piece;

namespace tesselo {

// A dropped piece joins a grid neighbour that lies within this many pixels of its right place, in each
// axis, inclusive.
constexpr int SnapTolerance = 5;

// Widens `rect` (empty to begin with) to take in the piece's box, (x, y) to (x + w, y + h).
void GrowRect(QRect &rect, const Piece &piece);

// The box of the whole group that `member` belongs to.
QRect GroupBox(const Piece &member);

// What one join is worth: the pieces still to place, less the seconds since the last join; at least 1.
int JoinGain(int total, int placed, int elapsed, int lastJoin);

struct DropResult
{
    QRect area; // table area to redraw: the dropped group and every group pulled into it
    int joins = 0;
};

// The joins of a drop: every piece of the front piece's group pulls each grid neighbour of another
// group that lies within the snap tolerance of its place, with that neighbour's whole group, into
// place and into the group. Each join scores and counts a piece placed; `joined` is told after each.
DropResult JoinDroppedGroup(const std::function<void()> &joined = {});

} // namespace tesselo
