#include "memory.h"
#include "pieces.h"

#include <algorithm>
#include <cmath>
#include <cstring>

PieceEntry pieceTable[MaxPieceCount];
Piece *pieceFront = nullptr;
Piece *pieceBack = nullptr;
int pieceCount = 250;
int pieceStyle = 1;
std::int32_t cols = 0;
std::int32_t rows = 0;
std::int32_t total = 0;
std::int32_t elapsed = 0;
std::int32_t score = 0;
std::int32_t placed = 0;
std::int32_t lastJoin = 0;
std::int32_t pictureWidth = 0;
std::int32_t pictureHeight = 0;

// clang-format off
const double edgeTables[4][EdgePoints][2] = {
    // straight left edge
    {{0, 0}, {0, 0.05}, {0, 0.1}, {0, 0.15}, {0, 0.2}, {0, 0.25}, {0, 0.3}, {0, 0.35}, {0, 0.4}, {0, 0.45},
     {0, 0.5}, {0, 0.55}, {0, 0.6}, {0, 0.65}, {0, 0.7}, {0, 0.75}, {0, 0.8}, {0, 0.9}, {0, 1}},
    // straight top edge
    {{0, 0}, {0.05, 0}, {0.1, 0}, {0.15, 0}, {0.2, 0}, {0.25, 0}, {0.3, 0}, {0.35, 0}, {0.4, 0}, {0.45, 0},
     {0.5, 0}, {0.55, 0}, {0.6, 0}, {0.65, 0}, {0.7, 0}, {0.75, 0}, {0.8, 0}, {0.9, 0}, {1, 0}},
    // tabbed left edge
    {{0, 0}, {0, 0.2}, {0, 0.35}, {-0.1, 0.4}, {-0.15, 0.425}, {-0.22, 0.4}, {-0.25, 0.35}, {-0.28, 0.3},
     {-0.38, 0.36}, {-0.38, 0.5}, {-0.38, 0.64}, {-0.28, 0.7}, {-0.25, 0.65}, {-0.22, 0.6}, {-0.15, 0.575},
     {-0.1, 0.6}, {0, 0.65}, {0, 0.8}, {0, 1}},
    // tabbed top edge
    {{0, 0}, {0.2, 0}, {0.35, 0}, {0.4, -0.1}, {0.425, -0.15}, {0.4, -0.22}, {0.35, -0.25}, {0.3, -0.28},
     {0.36, -0.38}, {0.5, -0.38}, {0.64, -0.38}, {0.7, -0.28}, {0.65, -0.25}, {0.6, -0.22}, {0.575, -0.15},
     {0.6, -0.1}, {0.65, 0}, {0.8, 0}, {1, 0}},
};
// clang-format on

namespace {

constexpr int TableWidthPixels = 2048;
constexpr int TableHeightPixels = 1536;
// A picture thinner than this gives cells too small to hold a shape.
constexpr int ThinnestPicture = 20;

// What a cell needs to know to draw its two edges.
struct Cell
{
    int row;    // from 1
    int column; // from 0
    bool firstColumn;
    bool firstRow;
    int colw;
    int rowh;
    int sheetX;
    int sheetY;
};

// -1 with probability 1/30, else +1.
int FlipSign()
{
    return NextRandom() % 30 == 0 ? -1 : 1;
}

void MakeEdge(const Cell &cell, int k, gdi::Point *edge)
{
    int a = FlipSign();
    int b = FlipSign();
    if (k == 0)
        b = 1;
    else
        a = 1;
    const double(*table)[2] = edgeTables[pieceStyle * 2 + k];
    const bool odd = (cell.row + cell.column + k) % 2 != 0;
    for (int i = 0; i < EdgePoints; ++i) {
        const double tx = table[i][0];
        const double ty = table[i][1];
        double X;
        double Y;
        if (k == 0) {
            X = cell.firstColumn ? 0.5 * cell.colw : (odd ? 0.5 - tx * a : 0.5 + tx * a) * cell.colw;
            Y = (0.5 + ty) * cell.rowh;
        } else {
            X = (0.5 + tx) * cell.colw;
            Y = cell.firstRow ? 0.5 * cell.rowh : (odd ? 0.5 - ty * b : 0.5 + ty * b) * cell.rowh;
        }
        edge[i] = {int(std::trunc(X + cell.sheetX)), int(std::trunc(Y + cell.sheetY))};
    }
}

// rand() mod the range, the range kept positive and, for pictures larger than the table, small enough
// that the box stays on it.
int Scatter(int range, int box, int table)
{
    range = std::min(range, table - box + 1);
    return NextRandom() % std::max(range, 1);
}

void PushFront(Piece *piece)
{
    piece->prev = nullptr;
    piece->next = pieceFront;
    if (pieceFront)
        pieceFront->prev = piece;
    pieceFront = piece;
    if (!pieceBack)
        pieceBack = piece;
}

} // namespace

void FreePieces()
{
    while (pieceFront) {
        Piece *piece = pieceFront;
        pieceFront = piece->next;
        if (piece->id >= 0 && piece->id < MaxPieceCount && pieceTable[piece->id].piece == piece)
            pieceTable[piece->id].piece = nullptr;
        MyGFree(piece);
    }
    pieceBack = nullptr;
}

int MaxPieces(const MemBitmap *picture)
{
    const int width = WidthOf(picture);
    const int height = HeightOf(picture);
    if (width < ThinnestPicture || height < ThinnestPicture)
        return 0;
    return int(std::int64_t(width) * height / 400);
}

Piece *NewPiece(int id, int srcX, int srcY, int x, int y, int sheetX, int sheetY, const gdi::Point *edges,
                int w, int h, Piece *prev, Piece *next)
{
    auto *piece = static_cast<Piece *>(MyGAlloc(sizeof(Piece), "PieceRet", "NewPiece"));
    if (!piece)
        return nullptr;
    *piece = Piece{id, srcX, srcY, x, y, sheetX, sheetY, {}, {}, w, h, prev, next};
    if (edges) {
        std::memcpy(piece->leftEdge, edges, sizeof piece->leftEdge);
        std::memcpy(piece->topEdge, edges + EdgePoints, sizeof piece->topEdge);
    }
    return piece;
}

bool CutPieces(const MemBitmap *picture, MemBitmap *maskSheet)
{
    const int W = WidthOf(picture);
    const int H = HeightOf(picture);
    // The piece table holds no more than the largest count on offer.
    const int N = std::min(pieceCount, MaxPieceCount);
    FreePieces();
    cols = rows = total = 0;
    if (W <= 0 || H <= 0 || N <= 0)
        return false;

    const double s = std::sqrt(double(W) * H / N);
    // More columns than pieces (a picture more than N times wider than high) would leave no row.
    const int c0 = std::min(int(std::trunc(W / s + 0.9999999999)), N);
    const float pw = float(double(W) / c0);
    const int r0 = N / c0;
    const float ph = float(double(H) / r0);

    int id = 0;
    float y = 0;
    while (H - 5 > y && id < MaxPieceCount) {
        rows += 1;
        int j = 0;
        float x = 0;
        float sx = 0;
        if (W - 5 > 0) {
            const int rowh = int(std::trunc(double(y) + ph)) - int(std::trunc(y));
            const int sheetY = int(std::trunc(2.0 * y));
            const int srcY = int(std::trunc(y - rowh * 0.5));
            do {
                if (y == 0)
                    cols += 1;
                const float xn = float(double(x) + pw);
                const int colw = int(std::trunc(xn)) - int(std::trunc(x));
                const Cell cell{rows, j, x < pw, y < ph, colw, rowh, int(std::trunc(sx)), sheetY};
                gdi::Point edges[2 * EdgePoints];
                MakeEdge(cell, 0, edges);
                MakeEdge(cell, 1, edges + EdgePoints);
                const int y0 = Scatter(2 * (H - int(std::trunc(ph))) - 2, 2 * rowh, TableHeightPixels);
                const int x0 = Scatter(2 * (W - int(std::trunc(pw))) - 2, 2 * colw, TableWidthPixels);
                const int srcX = int(std::trunc(x - colw * 0.5));
                Piece *piece = NewPiece(id, srcX, srcY, x0, y0, cell.sheetX, sheetY, edges, 2 * colw,
                                        2 * rowh, nullptr, pieceFront);
                if (!piece) {
                    FreePieces();
                    cols = rows = 0;
                    return false;
                }
                PushFront(piece);
                pieceTable[id] = {piece, id, id};
                id += 1;
                j += 1;
                sx = float(double(sx) + 2.0 * pw);
                x = xn;
            } while (W - 5 > x && id < MaxPieceCount);
        }
        y = float(double(y) + ph);
    }
    total = cols * rows;
    FillPieceMasks(maskSheet);
    return total > 0;
}
