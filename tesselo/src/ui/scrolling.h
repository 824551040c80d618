#pragma once

// How the table scrolls. The table is a fixed 2048 x 1536 pixels; the window shows a part of it, and
// each scroll bar moves that part in lines of 10 pixels or pages of two thirds of the client size.
namespace tesselo {

constexpr int TableWidth = 2048;
constexpr int TableHeight = 1536;
constexpr int ScrollLine = 10;

enum class ScrollRequest {
    LineBack,     // line left or line up
    LineForward,  // line right or line down
    PageBack,     // page left or page up
    PageForward,  // page right or page down
    ThumbTrack,   // the thumb is being dragged: the table follows only when it is let go
    ThumbRelease, // the thumb was let go at a position
};

// The scroll bar's largest position for a client of `clientSize` pixels along a table of `tableSize`.
int ScrollMaximum(int tableSize, int clientSize);

// The new scroll position for a request, or `position` when the request changes nothing. `thumb` is the
// thumb's position, used only when it is released. A line or page never goes before 0 nor beyond the
// place where the table's last pixel meets the client's edge.
int ScrollTarget(ScrollRequest request, int position, int clientSize, int tableSize, int thumb = 0);

} // namespace tesselo
