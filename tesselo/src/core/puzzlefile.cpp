#include "puzzlefile.h"

#include "pieces.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <initializer_list>

namespace tesselo {

namespace {

constexpr int CopyBlock = 4096;
// Pieces lie on or near the 2048 x 1536 table; places far beyond it can only come from a damaged file
// and would overflow the arithmetic of dragging and joining.
constexpr std::int32_t PlaceLimit = 1 << 16;

void Put(QByteArray &bytes, std::int32_t value)
{
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

std::int32_t Take(const char *&at)
{
    const auto value = qFromLittleEndian<std::int32_t>(at);
    at += 4;
    return value;
}

QByteArray EncodeTables(const PuzzleSnapshot &p)
{
    QByteArray bytes;
    bytes.reserve(PuzzleHeaderSize + (PieceRecordSize + GroupEntrySize) * int(p.pieces.size()));
    for (std::int32_t v : {PuzzleMagic, PuzzleVersion, p.style, p.elapsed, p.score, p.placed, p.lastJoin,
                           p.total, p.rows, p.cols})
        Put(bytes, v);
    for (const PieceRecord &r : p.pieces) {
        for (std::int32_t v : {r.id, r.srcX, r.srcY, r.x, r.y, r.sheetX, r.sheetY})
            Put(bytes, v);
        for (const auto *edge : {&r.leftEdge, &r.topEdge}) {
            for (const EdgePoint &pt : *edge) {
                Put(bytes, pt.x);
                Put(bytes, pt.y);
            }
        }
        Put(bytes, r.w);
        Put(bytes, r.h);
    }
    for (const GroupLink &g : p.groups) {
        Put(bytes, g.next);
        Put(bytes, g.group);
    }
    return bytes;
}

PieceRecord DecodeRecord(const char *at)
{
    PieceRecord r;
    for (std::int32_t *v : {&r.id, &r.srcX, &r.srcY, &r.x, &r.y, &r.sheetX, &r.sheetY})
        *v = Take(at);
    for (auto *edge : {&r.leftEdge, &r.topEdge}) {
        for (EdgePoint &pt : *edge) {
            pt.x = Take(at);
            pt.y = Take(at);
        }
    }
    r.w = Take(at);
    r.h = Take(at);
    return r;
}

bool CopyAll(QIODevice &from, QIODevice &to)
{
    char block[CopyBlock];
    for (;;) {
        const qint64 got = from.read(block, CopyBlock);
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (to.write(block, got) != got)
            return false;
    }
}

// The rest of the file, to its end, read in large blocks into room reserved up front when the size is
// known.
bool ReadRest(QIODevice &in, QByteArray &bytes)
{
    constexpr qint64 Block = 1 << 20;
    if (!in.isSequential())
        bytes.reserve(qsizetype(std::max<qint64>(0, in.size() - in.pos())));
    for (;;) {
        const qsizetype had = bytes.size();
        bytes.resize(had + Block);
        const qint64 got = in.read(bytes.data() + had, Block);
        bytes.resize(had + std::max<qint64>(got, 0));
        if (got < 0)
            return false;
        if (got == 0)
            return true;
    }
}

QString CheckGroups(const PuzzleSnapshot &p)
{
    const auto n = std::size_t(p.total);
    for (const GroupLink &g : p.groups) {
        if (g.next < 0 || g.next >= p.total || g.group < 0 || g.group >= p.total)
            return QStringLiteral("a group link lies outside 0 to %1.").arg(p.total - 1);
    }
    // Every chain starts at its leader, holds only pieces of that group and ends at a piece that links
    // to itself; together the chains hold every piece exactly once.
    std::vector<bool> seen(n, false);
    for (std::int32_t leader = 0; leader < p.total; ++leader) {
        if (p.groups[leader].group != leader)
            continue;
        for (std::int32_t at = leader;; at = p.groups[at].next) {
            if (seen[at] || p.groups[at].group != leader)
                return QStringLiteral("the chain of group %1 does not close.").arg(leader);
            seen[at] = true;
            if (p.groups[at].next == at)
                break;
        }
    }
    for (std::size_t id = 0; id < n; ++id) {
        if (!seen[id])
            return QStringLiteral("piece %1 is in no group's chain.").arg(id);
    }
    return {};
}

void Report(PuzzleProblem *problem, const QString &title, const QString &text, bool exclamation = false)
{
    if (problem)
        *problem = PuzzleProblem{title, text, exclamation};
}

bool Inside(std::int32_t v, std::int32_t low, std::int32_t high)
{
    return v >= low && v <= high;
}

QString CheckPlaces(const PuzzleSnapshot &p, int pictureWidth, int pictureHeight)
{
    const bool withSheet = pictureWidth > 0 && pictureHeight > 0;
    const auto sheetW = std::int32_t(pictureWidth * 2.25);
    const auto sheetH = std::int32_t(pictureHeight * 2.25);
    for (const PieceRecord &r : p.pieces) {
        const QString which = QStringLiteral("piece %1 ").arg(r.id);
        if (!Inside(r.x, -PlaceLimit, PlaceLimit) || !Inside(r.y, -PlaceLimit, PlaceLimit) ||
            !Inside(r.srcX, -PlaceLimit, PlaceLimit) || !Inside(r.srcY, -PlaceLimit, PlaceLimit))
            return which + QStringLiteral("lies far outside the table.");
        if (!Inside(r.w, 1, PlaceLimit) || !Inside(r.h, 1, PlaceLimit) || r.sheetX < 0 || r.sheetY < 0)
            return which + QStringLiteral("has an impossible size.");
        if (!withSheet)
            continue;
        if (r.sheetX > sheetW - r.w || r.sheetY > sheetH - r.h)
            return which + QStringLiteral("does not fit the picture.");
        for (const auto *edge : {&r.leftEdge, &r.topEdge}) {
            for (const EdgePoint &pt : *edge) {
                if (!Inside(pt.x, 0, sheetW - 1) || !Inside(pt.y, 0, sheetH - 1))
                    return which + QStringLiteral("has an edge outside the picture.");
            }
        }
    }
    return {};
}

} // namespace

QString CheckPuzzle(const PuzzleSnapshot &p, int pictureWidth, int pictureHeight)
{
    if (p.total < 1 || p.total > PuzzleMaxPieces)
        return QStringLiteral("it holds %1 pieces; a puzzle has 1 to %2.").arg(p.total).arg(PuzzleMaxPieces);
    if (p.cols < 1 || p.rows < 1 || std::int64_t(p.cols) * p.rows != p.total)
        return QStringLiteral("its grid of %1 x %2 pieces does not make %3 pieces.")
            .arg(p.cols)
            .arg(p.rows)
            .arg(p.total);
    if (p.style != 0 && p.style != 1)
        return QStringLiteral("its piece style %1 is unknown.").arg(p.style);
    if (p.placed < 1 || p.placed > p.total)
        return QStringLiteral("it counts %1 pieces placed out of %2.").arg(p.placed).arg(p.total);
    if (p.pieces.size() != std::size_t(p.total) || p.groups.size() != std::size_t(p.total))
        return QStringLiteral("it is incomplete.");
    std::vector<bool> seen(std::size_t(p.total), false);
    for (const PieceRecord &r : p.pieces) {
        if (r.id < 0 || r.id >= p.total)
            return QStringLiteral("a piece id lies outside 0 to %1.").arg(p.total - 1);
        if (seen[r.id])
            return QStringLiteral("piece %1 appears twice.").arg(r.id);
        seen[r.id] = true;
    }
    if (QString groups = CheckGroups(p); !groups.isEmpty())
        return groups;
    return CheckPlaces(p, pictureWidth, pictureHeight);
}

bool WritePuzzleStream(QIODevice &out, const PuzzleSnapshot &puzzle, QIODevice &picture)
{
    const QByteArray tables = EncodeTables(puzzle);
    if (out.write(tables) != tables.size())
        return false;
    if (!picture.seek(0))
        return false;
    return CopyAll(picture, out);
}

qint64 ReadChecked(QIODevice &file, char *buffer, qint64 count, PuzzleProblem *problem)
{
    qint64 done = 0;
    while (done < count) {
        const qint64 got = file.read(buffer + done, count - done);
        if (got < 0) {
            Report(problem, QStringLiteral("ReadError"),
                   QStringLiteral("There was an error reading the input file."));
            return done;
        }
        if (got == 0)
            break;
        done += got;
    }
    if (done < count)
        Report(problem, QStringLiteral("ReadError"), QStringLiteral("End of file while reading input file."));
    return done;
}

int ReadPuzzleStream(QIODevice &in, const QString &path, PuzzleSnapshot &puzzle, PuzzleProblem *problem)
{
    const QString title = QStringLiteral("Load Puzzle");
    char word[4];
    if (ReadChecked(in, word, 4, nullptr) != 4 || qFromLittleEndian<std::int32_t>(word) != PuzzleMagic) {
        Report(problem, title, QStringLiteral("%1 is not a valid Puzzle file.").arg(path), true);
        return -1;
    }
    if (ReadChecked(in, word, 4, problem) != 4)
        return -1;
    if (qFromLittleEndian<std::int32_t>(word) != PuzzleVersion) {
        Report(problem, title, QStringLiteral("Unknown puzzle version number."), true);
        return -1;
    }
    char counters[32];
    if (ReadChecked(in, counters, 32, problem) != 32)
        return -1;
    PuzzleSnapshot p;
    const char *at = counters;
    for (std::int32_t *v :
         {&p.style, &p.elapsed, &p.score, &p.placed, &p.lastJoin, &p.total, &p.rows, &p.cols})
        *v = Take(at);
    // The counts decide how much is read next: they are checked before anything is allocated for them.
    if (p.total < 1 || p.total > PuzzleMaxPieces || p.cols < 1 || p.rows < 1 ||
        std::int64_t(p.cols) * p.rows != p.total) {
        Report(problem, title, QStringLiteral("%1 cannot be loaded: %2").arg(path, CheckPuzzle(p)), true);
        return -1;
    }
    QByteArray tables(qsizetype(p.total) * (PieceRecordSize + GroupEntrySize), Qt::Uninitialized);
    if (ReadChecked(in, tables.data(), tables.size(), problem) != tables.size())
        return -1;
    at = tables.constData();
    for (std::int32_t i = 0; i < p.total; ++i, at += PieceRecordSize)
        p.pieces.push_back(DecodeRecord(at));
    for (std::int32_t i = 0; i < p.total; ++i) {
        GroupLink link;
        link.next = Take(at);
        link.group = Take(at);
        p.groups.push_back(link);
    }
    if (!ReadRest(in, p.picture)) {
        Report(problem, QStringLiteral("ReadError"),
               QStringLiteral("There was an error reading the input file."));
        return -1;
    }
    if (const QString fault = CheckPuzzle(p); !fault.isEmpty()) {
        Report(problem, title, QStringLiteral("%1 cannot be loaded: %2").arg(path, fault), true);
        return -1;
    }
    puzzle = std::move(p);
    return 0;
}

int SavePuzzle(const QString &path, const PuzzleSnapshot &puzzle, QIODevice &picture, PuzzleProblem *problem)
{
    const QString title = QStringLiteral("Save Puzzle");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        Report(problem, title,
               QStringLiteral("Unable to open '%1' for output. Your puzzle was not saved.").arg(path));
        return -1;
    }
    // commit() alone misses a failure to write the last buffered bytes (a full disk) and would put the
    // cut-short file in place of the old one: the flush brings it out first.
    if (!WritePuzzleStream(file, puzzle, picture) || !file.flush() || !file.commit()) {
        const QString cause = file.error() != QFileDevice::NoError
                                  ? file.errorString()
                                  : QStringLiteral("the picture could not be read");
        file.cancelWriting();
        Report(problem, title,
               QStringLiteral("Unable to write '%1' (%2). Your puzzle was not saved.").arg(path, cause));
        return -1;
    }
    return 0;
}

PuzzleSnapshot CapturePuzzle()
{
    PuzzleSnapshot p;
    p.style = pieceStyle;
    p.elapsed = elapsed;
    p.score = score;
    p.placed = placed;
    p.lastJoin = lastJoin;
    p.total = total;
    p.rows = rows;
    p.cols = cols;
    for (const Piece *piece = pieceFront; piece; piece = piece->next) {
        PieceRecord r;
        r.id = piece->id;
        r.srcX = piece->srcX;
        r.srcY = piece->srcY;
        r.x = piece->x;
        r.y = piece->y;
        r.sheetX = piece->sheetX;
        r.sheetY = piece->sheetY;
        for (int i = 0; i < 19; ++i) {
            r.leftEdge[i] = {piece->leftEdge[i].x, piece->leftEdge[i].y};
            r.topEdge[i] = {piece->topEdge[i].x, piece->topEdge[i].y};
        }
        r.w = piece->w;
        r.h = piece->h;
        p.pieces.push_back(r);
    }
    for (std::int32_t id = 0; id < total; ++id)
        p.groups.push_back({pieceTable[id].next, pieceTable[id].group});
    return p;
}

bool InstallPuzzle(const PuzzleSnapshot &p)
{
    pieceStyle = p.style;
    elapsed = p.elapsed;
    score = p.score;
    placed = p.placed;
    lastJoin = p.lastJoin;
    total = p.total;
    rows = p.rows;
    cols = p.cols;
    for (const PieceRecord &r : p.pieces) {
        gdi::Point edges[2 * EdgePoints];
        for (int i = 0; i < EdgePoints; ++i) {
            edges[i] = {r.leftEdge[i].x, r.leftEdge[i].y};
            edges[EdgePoints + i] = {r.topEdge[i].x, r.topEdge[i].y};
        }
        Piece *piece =
            NewPiece(r.id, r.srcX, r.srcY, r.x, r.y, r.sheetX, r.sheetY, edges, r.w, r.h, pieceBack, nullptr);
        if (!piece) {
            MemBitmap *noPictures = nullptr;
            MemBitmap *noShapes = nullptr;
            FreePuzzle(noPictures, noShapes);
            return false;
        }
        // Each record goes behind the ones before it: the file lists the pieces from the front.
        if (pieceBack)
            pieceBack->next = piece;
        else
            pieceFront = piece;
        pieceBack = piece;
        pieceTable[r.id].piece = piece;
    }
    for (std::int32_t id = 0; id < p.total; ++id) {
        pieceTable[id].next = p.groups[id].next;
        pieceTable[id].group = p.groups[id].group;
    }
    return true;
}

int LoadPuzzle(const QString &path, PuzzleSnapshot &puzzle, PuzzleProblem *problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Report(problem, QStringLiteral("Load Puzzle"), QStringLiteral("Unable to open '%1'.").arg(path));
        return -1;
    }
    return ReadPuzzleStream(file, path, puzzle, problem);
}

} // namespace tesselo
