#include "joining.h"

#include "pieces.h"

#include <array>
#include <cstdlib>

namespace tesselo {

namespace {

QRect Box(const Piece &piece)
{
    return QRect(piece.x, piece.y, piece.w, piece.h);
}

// The grid neighbours of piece `id` in the order they are looked at: above, below, left, right.
// Missing ones are -1.
std::array<int, 4> Neighbours(int id)
{
    const bool firstColumn = id % cols == 0;
    const bool lastColumn = (id + 1) % cols == 0;
    return {id - cols >= 0 ? id - cols : -1, id + cols < total ? id + cols : -1, firstColumn ? -1 : id - 1,
            lastColumn ? -1 : id + 1};
}

// Moves the whole group led by `leader` by (dx, dy) into group `group`, to the front of the table,
// and hangs its chain behind the leader of `group`.
void PullGroup(int leader, int group, int dx, int dy, QRect &area)
{
    for (int at = leader;; at = pieceTable[at].next) {
        Piece &s = *pieceTable[at].piece;
        GrowRect(area, s);
        s.x += dx;
        s.y += dy;
        if (dx != 0 || dy != 0)
            GrowRect(area, s);
        pieceTable[at].group = group;
        BringToFront(&s);
        if (pieceTable[at].next == at) {
            if (pieceTable[group].next != group)
                pieceTable[at].next = pieceTable[group].next;
            pieceTable[group].next = leader;
            return;
        }
    }
}

} // namespace

void GrowRect(QRect &rect, const Piece &piece)
{
    rect = rect.isEmpty() ? Box(piece) : rect.united(Box(piece));
}

QRect GroupBox(const Piece &member)
{
    QRect box;
    for (int at = pieceTable[member.id].group;; at = pieceTable[at].next) {
        GrowRect(box, *pieceTable[at].piece);
        if (pieceTable[at].next == at)
            return box;
    }
}

int JoinGain(int total, int placed, int elapsed, int lastJoin)
{
    const int gain = total - placed - elapsed + lastJoin;
    return gain > 1 ? gain : 1;
}

DropResult JoinDroppedGroup(const std::function<void()> &joined)
{
    DropResult result;
    if (!pieceFront)
        return result;
    const int group = pieceTable[pieceFront->id].group;
    for (int at = group;; at = pieceTable[at].next) {
        const Piece &p = *pieceTable[at].piece;
        GrowRect(result.area, p);
        for (int q : Neighbours(at)) {
            if (q < 0 || pieceTable[q].group == group)
                continue;
            const Piece &n = *pieceTable[q].piece;
            const int dx = (p.x + n.srcX - p.srcX) - n.x;
            const int dy = (p.y + n.srcY - p.srcY) - n.y;
            if (std::abs(dx) > SnapTolerance || std::abs(dy) > SnapTolerance)
                continue;
            score += JoinGain(total, placed, elapsed, lastJoin);
            placed += 1;
            result.joins += 1;
            if (joined)
                joined();
            PullGroup(pieceTable[q].group, group, dx, dy, result.area);
        }
        // Read after the joins: chains spliced in behind the leader are walked in this same drop.
        if (pieceTable[at].next == at)
            break;
    }
    if (result.joins > 0)
        lastJoin = elapsed;
    return result;
}

} // namespace tesselo
