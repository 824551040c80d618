#include "alerts.h"
#include "bitmap.h"
#include "blit.h"
#include "draw.h"
#include "pieces.h"

#include <algorithm>
#include <cmath>
#include <vector>

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

// Where holes from two sides of a piece nearly meet, their outlines can touch corner to corner and
// wall off a few pixels of the piece that no seed reaches; they would show as specks of the table in
// the finished picture. Whatever white the box holds that cannot be reached from the box's border
// lies inside the outline: it is filled too.
void FillPockets(gdi::Bitmap &sheet, const Piece &p)
{
    const int left = std::max(p.sheetX, 0);
    const int top = std::max(p.sheetY, 0);
    const int right = std::min(p.sheetX + p.w, sheet.width());
    const int bottom = std::min(p.sheetY + p.h, sheet.height());
    if (left >= right || top >= bottom)
        return;
    const int width = right - left;
    const int height = bottom - top;
    static std::vector<std::uint8_t> outside;
    static std::vector<gdi::Point> pending;
    outside.assign(std::size_t(width) * height, 0);
    pending.clear();
    const auto white = [&sheet, left, top](int x, int y) {
        return sheet.image().constScanLine(top + y)[left + x] != 0;
    };
    const auto reach = [&](int x, int y) {
        std::uint8_t &mark = outside[std::size_t(y) * width + x];
        if (!mark && white(x, y)) {
            mark = 1;
            pending.push_back({x, y});
        }
    };
    for (int x = 0; x < width; ++x) {
        reach(x, 0);
        reach(x, height - 1);
    }
    for (int y = 0; y < height; ++y) {
        reach(0, y);
        reach(width - 1, y);
    }
    while (!pending.empty()) {
        const gdi::Point at = pending.back();
        pending.pop_back();
        if (at.x > 0)
            reach(at.x - 1, at.y);
        if (at.x + 1 < width)
            reach(at.x + 1, at.y);
        if (at.y > 0)
            reach(at.x, at.y - 1);
        if (at.y + 1 < height)
            reach(at.x, at.y + 1);
    }
    for (int y = 0; y < height; ++y) {
        std::uint8_t *row = sheet.image().scanLine(top + y) + left;
        const std::uint8_t *mark = outside.data() + std::size_t(y) * width;
        for (int x = 0; x < width; ++x) {
            if (!mark[x])
                row[x] = 0;
        }
    }
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
    if (dc->bitmap() && dc->bitmap()->isMono())
        FillPockets(*dc->bitmap(), *pieceTable[id].piece);
}

} // namespace

void OutlinePiece(gdi::Dc *dc, int id, gdi::Point *points)
{
    if (id < 0 || id >= MaxPieceCount || !pieceTable[id].piece || cols <= 0 || rows <= 0)
        return;
    const Piece &p = *pieceTable[id].piece;
    gdi::PolyBezier(dc, p.leftEdge, EdgePoints);
    gdi::PolyBezier(dc, p.topEdge, EdgePoints);

    // A neighbour's edge is moved by the difference of the two pieces' places in the sheet and in the
    // picture, so that it lands on the same picture pixels in both.
    gdi::Point *right = points;
    if ((id + 1) % cols != 0 && id + 1 < MaxPieceCount && pieceTable[id + 1].piece) {
        const Piece &q = *pieceTable[id + 1].piece;
        CopyShifted(q.leftEdge, (p.sheetX - p.srcX) - (q.sheetX - q.srcX), 0, right);
    } else {
        const int x = std::max(p.topEdge[18].x, p.sheetX + pictureWidth - 1 - p.srcX);
        for (int i = 0; i < EdgePoints; ++i)
            right[i] = {x, p.leftEdge[i].y};
    }
    gdi::Point *bottom = points + EdgePoints;
    if ((id / cols + 1) % rows != 0 && id + cols < MaxPieceCount && pieceTable[id + cols].piece) {
        const Piece &q = *pieceTable[id + cols].piece;
        CopyShifted(q.topEdge, 0, (p.sheetY - p.srcY) - (q.sheetY - q.srcY), bottom);
    } else {
        const int y = std::max(p.leftEdge[18].y, p.sheetY + pictureHeight - 1 - p.srcY);
        for (int i = 0; i < EdgePoints; ++i)
            bottom[i] = {p.topEdge[i].x, y};
    }
    gdi::PolyBezier(dc, right, EdgePoints);
    gdi::PolyBezier(dc, bottom, EdgePoints);
    // The right edge ends on the column's line and the bottom edge on the row's line; their ends can
    // miss the corner by a pixel either way. Closing through the corner itself keeps the outline on
    // the lines that the three other pieces at the corner draw, so no piece reaches into another there.
    gdi::MoveToEx(dc, points[18].x, points[18].y);
    gdi::LineTo(dc, points[18].x, points[37].y);
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
    pictureWidth = WidthOf(picture);
    pictureHeight = HeightOf(picture);
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
        gdi::BitBlt(dc, piece->sheetX, piece->sheetY, piece->w, piece->h, picture->dc, piece->srcX,
                    piece->srcY, gdi::SRCCOPY);
        gdi::BitBlt(work->dc, 0, 0, piece->w, piece->h, maskSheet->dc, piece->sheetX, piece->sheetY,
                    gdi::NOTSRCCOPY);
        gdi::BitBlt(dc, piece->sheetX, piece->sheetY, piece->w, piece->h, work->dc, 0, 0, gdi::SRCAND);
        OutlinePiece(dc, piece->id, pts);
    }
    FreeMemBitmap(work);
    return true;
}
