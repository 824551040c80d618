#pragma once

#include "scrolling.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QPainter;
struct MemBitmap;
struct Piece;

namespace tesselo {

// The bitmaps of the current picture and puzzle; any of them may be missing.
struct PuzzleBitmaps
{
    MemBitmap *picture = nullptr;     // the picture as read
    MemBitmap *scratchPic = nullptr;  // the dragged group's picture, assembled at the press
    MemBitmap *scratchMask = nullptr; // and its mask
    MemBitmap *picSheet = nullptr;    // every piece's picture in its slot
    MemBitmap *maskSheet = nullptr;   // every piece's shape in its slot
};

struct DropOutcome
{
    QRect windowArea;      // what changed on the screen
    int joins = 0;         // joins made by this drop
    bool finished = false; // this drop placed the last piece
};

// The table: a fixed 2048 x 1536 area, drawn in a backing bitmap, of which the main window shows a part.
// Everything here is in pixels; window coordinates are table coordinates minus the scroll position.
// A dragged group is absent from the backing and drawn over it through a scratch bitmap of the window's
// size, so a drag step touches only the union of the group's old and new boxes.
class Table
{
public:
    explicit Table(PuzzleBitmaps &bitmaps);
    ~Table();
    Table(const Table &) = delete;
    Table &operator=(const Table &) = delete;

    bool valid() const { return m_backing && m_draw; }
    MemBitmap *backing() const { return m_backing; }

    // The client area changed size: the scroll positions are kept within the new ranges. True when one
    // of them moved.
    bool Resize(QSize client);
    QSize client() const { return m_client; }
    QPoint scroll() const { return {m_scrollX, m_scrollY}; }
    int scrollMaximumX() const { return ScrollMaximum(TableWidth, m_client.width()); }
    int scrollMaximumY() const { return ScrollMaximum(TableHeight, m_client.height()); }
    // One scroll bar request; true when the position changed and the whole window needs drawing.
    bool Scroll(Qt::Orientation bar, ScrollRequest request, int thumb = 0);

    // Fills `rect` of the backing with the background and draws the pieces from the back towards the
    // front, stopping before `stop`.
    void RedrawTable(const QRect &rect, const Piece *stop = nullptr);
    // The whole table blank with the picture at (10, 10), as it looks before a puzzle is cut.
    void ShowPicture();

    // Paints the `update` area of the window.
    void Paint(QPainter &painter, const QRect &update);

    // A press of the left button at a window position: picks the front-most piece whose shape is under
    // it and starts dragging its group. False when no piece is there.
    bool Press(QPoint mouse);
    // The mouse moved while dragging: moves the group and returns the window area to show again. Beyond
    // the window's edges the table scrolls by a line; then `scrolled` is set and all of it needs showing.
    QRect DragStep(QPoint mouse, bool *scrolled = nullptr);
    // The button was released: drops the group and makes its joins; `joined` is told after each join.
    DropOutcome Drop(const std::function<void()> &joined = {});
    bool dragging() const { return m_dragging; }

private:
    bool PieceUnder(const Piece &piece, QPoint at) const;
    bool EnsureScratch(QSize size);
    void AssembleGroup(const QRect &box);
    void ComposeDrag(const QRect &windowArea);
    QRect GroupBoxInWindow() const;

    PuzzleBitmaps &m_bitmaps;
    MemBitmap *m_backing = nullptr;
    MemBitmap *m_draw = nullptr;
    QSize m_client;
    int m_scrollX = 0;
    int m_scrollY = 0;
    bool m_dragging = false;
    int m_lastX = 0;
    int m_lastY = 0;
    bool m_wasComplete = false;
    // The window area of the draw bitmap that holds the table with the dragged group on it.
    QRect m_drawValid;
};

} // namespace tesselo
