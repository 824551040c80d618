#pragma once

// The puzzle file: a snapshot of a puzzle in play, saved to be resumed later. Little-endian signed
// 32-bit numbers throughout:
//   header, 40 bytes      "TESO", version 1, style, elapsed, score, placed, lastJoin, total, rows, cols
//   total piece records   340 bytes each, front piece first: id, srcX, srcY, x, y, sheetX, sheetY,
//                         19 left-edge points and 19 top-edge points (x then y), w, h
//   group table           8 bytes per id from 0: the chain's next and the group's leader
//   picture               the complete bitmap file the puzzle was cut from, to the end of the file
#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class QIODevice;

namespace tesselo {

constexpr std::int32_t PuzzleMagic = 0x4F534554; // "TESO" read as a little-endian number
constexpr std::int32_t PuzzleVersion = 1;
constexpr int PuzzleHeaderSize = 40;
constexpr int PieceRecordSize = 340;
constexpr int GroupEntrySize = 8;
constexpr int PuzzleMaxPieces = 1000;

struct EdgePoint
{
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const EdgePoint &) const = default;
};

// One piece as the file holds it.
struct PieceRecord
{
    std::int32_t id = 0, srcX = 0, srcY = 0, x = 0, y = 0, sheetX = 0, sheetY = 0;
    std::array<EdgePoint, 19> leftEdge{};
    std::array<EdgePoint, 19> topEdge{};
    std::int32_t w = 0, h = 0;
    bool operator==(const PieceRecord &) const = default;
};

struct GroupLink
{
    std::int32_t next = 0;
    std::int32_t group = 0;
    bool operator==(const GroupLink &) const = default;
};

// Everything a puzzle file holds.
struct PuzzleSnapshot
{
    std::int32_t style = 0, elapsed = 0, score = 0, placed = 0, lastJoin = 0, total = 0, rows = 0, cols = 0;
    std::vector<PieceRecord> pieces; // front to back
    std::vector<GroupLink> groups;   // by id
    QByteArray picture;              // the bitmap file, header included
};

// How a reading or writing failed: the message box's title and text, empty when all went well.
struct PuzzleProblem
{
    QString title;
    QString text;
    bool exclamation = false; // shown with the exclamation icon
};

// Reads `count` bytes into `buffer` and returns how many came. A read error and a short read are set in
// `problem` ("ReadError"); the caller decides what a short count means.
qint64 ReadChecked(QIODevice &file, char *buffer, qint64 count, PuzzleProblem *problem);

// Writes the snapshot's header, pieces and groups, then copies `picture` from its start to its end in
// blocks. False when any write or read fails.
bool WritePuzzleStream(QIODevice &out, const PuzzleSnapshot &puzzle, QIODevice &picture);

// Reads a whole puzzle file from `in`, picture included, and checks what can be checked without the
// picture; `path` names the file in messages. Counts are limited before anything is allocated. 0, or -1
// with `problem` set.
int ReadPuzzleStream(QIODevice &in, const QString &path, PuzzleSnapshot &puzzle, PuzzleProblem *problem);

// Writes `puzzle` with the picture from `picture` to `path`, completely or not at all: the bytes go to a
// temporary file beside it, which replaces the old file only once all of it is written. 0, or -1 with
// `problem` set.
int SavePuzzle(const QString &path, const PuzzleSnapshot &puzzle, QIODevice &picture, PuzzleProblem *problem);

// Reads the puzzle file at `path` into `puzzle`. 0, or -1 with `problem` set; nothing else changes.
int LoadPuzzle(const QString &path, PuzzleSnapshot &puzzle, PuzzleProblem *problem);

// The puzzle in play as a snapshot, pieces front to back, without its picture.
PuzzleSnapshot CapturePuzzle();

// Makes a checked snapshot the puzzle in play: its counters, pieces in their order and groups. The
// previous pieces must have been freed; the sheets are made afterwards from the stored shapes. False
// when memory ran short; no pieces remain then.
bool InstallPuzzle(const PuzzleSnapshot &puzzle);

// Why a snapshot cannot be played, or an empty text. The piece places are checked against the sheets
// of a picture of `pictureWidth` x `pictureHeight` when those are given (not 0).
QString CheckPuzzle(const PuzzleSnapshot &puzzle, int pictureWidth = 0, int pictureHeight = 0);

} // namespace tesselo
