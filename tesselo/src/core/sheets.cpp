#include "alerts.h"
#include "blit.h"
#include "draw.h"
#include "pieces.h"

#include <algorithm>
#include <cmath>

namespace {

void ShowSheetFailure()
{
    ShowAlert(AlertIcon::Stop, QStringLiteral("New Jigsaw Error"),
              QStringLiteral("There is not enough memory to make the pieces of this picture."));
}

// The edge of a neighbour, moved by (dx, dy).
void CopyShifted(const gdi::Point *from, int dx, int dy, gdi::Point *to)
{
    for (int i = 0; i < EdgePoints; ++i)
        to[i] = {from[i].x + dx, from[i].y + dy};
}

void FillShape(gdi::Dc *dc, int id)
{
    gdi::Point pts[2 * EdgePoints];
    OutlinePiece(dc, id, pts);
    const gdi::Point seeds[] = {{pts[18].x - 1, pts[18].y - 1},
                                {pts[0].x - 1, pts[0].y + 1},
                                {pts[19].x + 1, pts[19].y - 1},
                                {pts[19].x + 1, pts[0].y + 1}};
    for (const gdi::Point &seed : seeds)
        gdi::ExtFloodFill(dc, seed.x, seed.y, gdi::Black, gdi::FLOODFILLBORDER);
}

} // namespace

void OutlinePiece(gdi::Dc *dc, int id, gdi::Point *points)
{
    if (id < 0 || id >= MaxPieceCount || !pieceTable[id].piece || cols <= 0 || rows <= 0)
        return;
    const Piece &p = *pieceTable[id].piece;
    gdi::PolyBezier(dc, p.leftEdge, EdgePoints);
    gdi::PolyBezier(dc, p.topEdge, EdgePoints);

    gdi::Point *right = points;
    if ((id + 1) % cols != 0 && id + 1 < MaxPieceCount && pieceTable[id + 1].piece) {
        const Piece &q = *pieceTable[id + 1].piece;
        CopyShifted(q.leftEdge, p.topEdge[18].x - q.leftEdge[0].x, 0, right);
    } else {
        for (int i = 0; i < EdgePoints; ++i)
            right[i] = {p.topEdge[18].x, p.leftEdge[i].y};
    }
    gdi::Point *bottom = points + EdgePoints;
    if ((id / cols + 1) % rows != 0 && id + cols < MaxPieceCount && pieceTable[id + cols].piece) {
        const Piece &q = *pieceTable[id + cols].piece;
        CopyShifted(q.topEdge, 0, p.leftEdge[18].y - q.topEdge[0].y, bottom);
    } else {
        for (int i = 0; i < EdgePoints; ++i)
            bottom[i] = {p.topEdge[i].x, p.leftEdge[18].y};
    }
    gdi::PolyBezier(dc, right, EdgePoints);
    gdi::PolyBezier(dc, bottom, EdgePoints);
    gdi::MoveToEx(dc, points[18].x, points[18].y);
    gdi::LineTo(dc, points[37].x, points[37].y);
}

void FillPieceMasks(MemBitmap *maskSheet)
{
    if (!maskSheet || !maskSheet->dc)
        return;
    gdi::Dc *dc = maskSheet->dc;
    const gdi::Colour oldPen = dc->SelectPen(gdi::Black);
    const gdi::Colour oldBrush = dc->SelectBrush(gdi::Black);
    for (int id = 0; id < cols * rows; ++id)
        FillShape(dc, id);
    dc->SelectPen(oldPen);
    dc->SelectBrush(oldBrush);
}

bool CreatePieceMask(const MemBitmap *picture, MemBitmap *&maskSheet, bool fromFile)
{
    const int width = int(std::trunc(WidthOf(picture) * 2.25));
    const int height = int(std::trunc(HeightOf(picture) * 2.25));
    maskSheet = NewMemBitmap(picture, width, height, gdi::Format::Mono, "bmPieceMask", "CreatePieceMask");
    if (!maskSheet) {
        ShowSheetFailure();
        return false;
    }
    gdi::FillRect(maskSheet->dc, {0, 0, width, height}, gdi::White);
    if (fromFile) {
        FillPieceMasks(maskSheet);
        return true;
    }
    if (!CutPieces(picture, maskSheet)) {
        FreeMemBitmap(maskSheet);
        return false;
    }
    elapsed = 0;
    score = 0;
    placed = 1;
    lastJoin = 0;
    return true;
}

bool CreatePiecePic(const MemBitmap *picture, MemBitmap *&picSheet, const MemBitmap *maskSheet)
{
    if (!picture || !maskSheet)
        return false;
    picSheet = NewMemBitmap(maskSheet, WidthOf(maskSheet), HeightOf(maskSheet), gdi::Format::Colour,
                            "pbmPiecePic", "CreatePiecePic");
    int widest = 0;
    int highest = 0;
    for (const Piece *piece = pieceFront; piece; piece = piece->next) {
        widest = std::max(widest, piece->w);
        highest = std::max(highest, piece->h);
    }
    MemBitmap *work = picSheet ? NewMemBitmap(nullptr, widest + 1, highest + 1, gdi::Format::Mono, "bmWork",
                                              "CreatePiecePic")
                               : nullptr;
    if (!work) {
        FreeMemBitmap(picSheet);
        ShowSheetFailure();
        return false;
    }
    gdi::Dc *dc = picSheet->dc;
    gdi::FillRect(dc, {0, 0, WidthOf(picSheet), HeightOf(picSheet)}, gdi::Black);
    gdi::Point pts[2 * EdgePoints];
    for (const Piece *piece = pieceFront; piece; piece = piece->next) {
        gdi::BitBlt(dc, piece->sheetX, piece->sheetY, piece->w, piece->h, picture->dc, piece->srcX, piece->srcY,
                    gdi::SRCCOPY);
        gdi::BitBlt(work->dc, 0, 0, piece->w, piece->h, maskSheet->dc, piece->sheetX, piece->sheetY,
                    gdi::NOTSRCCOPY);
        gdi::BitBlt(dc, piece->sheetX, piece->sheetY, piece->w, piece->h, work->dc, 0, 0, gdi::SRCAND);
        OutlinePiece(dc, piece->id, pts);
    }
    FreeMemBitmap(work);
    return true;
}
