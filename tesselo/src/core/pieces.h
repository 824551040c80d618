#pragma once

// The puzzle: the pieces cut from a picture, the table of pieces by identifier with the chains of joined
// groups, the front-to-back order on the table, the counters of the puzzle in play, and the two sheets
// that hold every piece's shape and picture.
#include "membitmap.h"
#include "random.h"

#include <QRect>

#include <cstdint>

constexpr int MaxPieceCount = 1000; // the largest count on offer, and the size of pieceTable
constexpr int EdgePoints = 19;      // a start point and six cubic Bezier segments

struct Piece
{
    std::int32_t id;   // row x cols + column
    std::int32_t srcX; // the box in the picture (may be negative)
    std::int32_t srcY;
    std::int32_t x; // the box on the table
    std::int32_t y;
    std::int32_t sheetX; // the box's slot in both sheets
    std::int32_t sheetY;
    gdi::Point leftEdge[EdgePoints]; // sheet coordinates
    gdi::Point topEdge[EdgePoints];
    std::int32_t w; // twice the cell, with the cell in the middle
    std::int32_t h;
    Piece *prev; // the piece in front of it on the table, null for the front piece
    Piece *next; // the piece behind it, null for the back piece
};

struct PieceEntry
{
    Piece *piece;       // null once the piece has been freed
    std::int32_t next;  // the next piece of the group's chain; the last one names itself
    std::int32_t group; // the group's leader, the first piece of its chain
};

extern PieceEntry pieceTable[MaxPieceCount];

// The table order: front is top-most, drawn last and hit first.
extern Piece *pieceFront;
extern Piece *pieceBack;

// Settings for the next cut, kept for the whole run.
extern int pieceCount; // 25, 50, 100, 250, 500 or 1000; 250 to begin with
extern int pieceStyle; // 0 rectangular, 1 tabbed (the default)

// The grid of the puzzle in play and the play counters that a cut resets.
extern std::int32_t cols;
extern std::int32_t rows;
extern std::int32_t total;
extern std::int32_t elapsed; // seconds of play
extern std::int32_t score;
extern std::int32_t placed;   // one more than the joins made: the puzzle is finished at placed == total
extern std::int32_t lastJoin; // elapsed at the last join

// The size of the picture the pieces were cut from, set when its mask sheet is made: the outer edges
// of the last column and row reach its last pixel.
extern std::int32_t pictureWidth;
extern std::int32_t pictureHeight;

// The edge shapes in cell units: table pieceStyle x 2 + k, k 0 for a left edge and 1 for a top edge.
extern const double edgeTables[4][EdgePoints][2];

// The largest piece count the picture allows: its area / 400, or 0 for a picture too thin to cut.
int MaxPieces(const MemBitmap *picture);

// A zero-filled piece record with every field set; null after the allocation message.
Piece *NewPiece(int id, int srcX, int srcY, int x, int y, int sheetX, int sheetY, const gdi::Point *edges,
                int w, int h, Piece *prev, Piece *next);

// Cuts a new puzzle of `picture` into pieceCount pieces of pieceStyle, fills pieceTable and the table
// order and fills the shapes into the mask sheet. False when memory ran short; no pieces remain then.
bool CutPieces(const MemBitmap *picture, MemBitmap *maskSheet);

// Draws all four edges of piece `id` into `dc` in sheet coordinates, leaving its right edge in
// points[0..18] and its bottom edge in points[19..37]. The right and bottom edges are the neighbours'
// left and top edges moved to the same picture place, so joined pieces meet without a gap or overlap.
void OutlinePiece(gdi::Dc *dc, int id, gdi::Point *points);

// Outlines and fills every piece's shape, black on the white mask sheet.
void FillPieceMasks(MemBitmap *maskSheet);

// Makes the mask sheet for `picture`. Unless `fromFile` (the pieces were loaded), cuts a new puzzle and
// resets the play counters. False when memory ran short; the sheet is null then.
bool CreatePieceMask(const MemBitmap *picture, MemBitmap *&maskSheet, bool fromFile);

// Makes the picture sheet from the picture and the finished mask sheet. False when memory ran short;
// the sheet is null then.
bool CreatePiecePic(const MemBitmap *picture, MemBitmap *&picSheet, const MemBitmap *maskSheet);

// Draws the piece at its table place into `destDC`, clipped to `clip` (table coordinates, a box from
// (x, y) to (x + width, y + height)): its shape is ANDed from the mask sheet, its picture ORed in.
void DrawPiece(const Piece *piece, const QRect &clip, const gdi::Dc *picDC, const gdi::Dc *maskDC,
               gdi::Dc *destDC);
void DrawPiece(const Piece *piece, const QRect &clip, const MemBitmap *picSheet, const MemBitmap *maskSheet,
               MemBitmap *dest);

// Moves a piece to the front of the table order.
void BringToFront(Piece *piece);

// Frees every piece record and empties the table order; pieceTable forgets the freed records.
void FreePieces();

// Releases both sheets and every piece; both pointers and the table order become empty.
void FreePuzzle(MemBitmap *&picSheet, MemBitmap *&maskSheet);
