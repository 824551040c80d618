#include "blit.h"
#include "pieces.h"

void DrawPiece(const Piece *piece, const QRect &clip, const gdi::Dc *picDC, const gdi::Dc *maskDC,
               gdi::Dc *destDC)
{
    if (!piece)
        return;
    // The clip as a box whose right and bottom lie just outside it, in 64 bits so nothing overflows.
    const long long left = clip.x();
    const long long top = clip.y();
    const long long right = left + clip.width();
    const long long bottom = top + clip.height();
    long long x = piece->x;
    long long y = piece->y;
    long long w = piece->w;
    long long h = piece->h;
    if (right < x || x + w < left || bottom < y || y + h < top)
        return;
    long long sheetX = piece->sheetX;
    long long sheetY = piece->sheetY;
    if (left > x) {
        w -= left - x;
        sheetX += left - x;
        x = left;
    }
    if (x + w > right)
        w = right - x;
    if (top > y) {
        h -= top - y;
        sheetY += top - y;
        y = top;
    }
    if (y + h > bottom)
        h = bottom - y;
    if (w <= 0 || h <= 0)
        return;
    gdi::BitBlt(destDC, int(x), int(y), int(w), int(h), maskDC, int(sheetX), int(sheetY), gdi::SRCAND);
    gdi::BitBlt(destDC, int(x), int(y), int(w), int(h), picDC, int(sheetX), int(sheetY), gdi::SRCPAINT);
}

void DrawPiece(const Piece *piece, const QRect &clip, const MemBitmap *picSheet, const MemBitmap *maskSheet,
               MemBitmap *dest)
{
    if (picSheet && maskSheet && dest)
        DrawPiece(piece, clip, picSheet->dc, maskSheet->dc, dest->dc);
}

void BringToFront(Piece *piece)
{
    if (!piece || piece == pieceFront)
        return;
    if (piece == pieceBack)
        pieceBack = piece->prev;
    if (piece->prev)
        piece->prev->next = piece->next;
    if (piece->next)
        piece->next->prev = piece->prev;
    piece->prev = nullptr;
    piece->next = pieceFront;
    if (pieceFront)
        pieceFront->prev = piece;
    pieceFront = piece;
}

void FreePuzzle(MemBitmap *&picSheet, MemBitmap *&maskSheet)
{
    FreeMemBitmap(picSheet);
    FreeMemBitmap(maskSheet);
    FreePieces();
}
