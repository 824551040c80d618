#pragma once

#include "table.h"

#include <QString>

#include <functional>
#include <memory>

class QTemporaryFile;

namespace tesselo {

// The one-second play timer.
class PlayClock
{
public:
    virtual ~PlayClock() = default;
    virtual void Start() = 0;
    virtual void Stop() = 0;
    virtual bool Running() const = 0;
};

// The game behind the windows: the current picture with its working copy, the puzzle's bitmaps, the
// table, the play clock and the dirty flag. Messages go through ShowAlert; the windows repaint themselves
// from what these calls return.
class Game
{
public:
    Game();
    ~Game();
    Game(const Game &) = delete;
    Game &operator=(const Game &) = delete;

    void SetClock(PlayClock *clock) { m_clock = clock; }
    Table &table() { return m_table; }
    const PuzzleBitmaps &bitmaps() const { return m_bitmaps; }

    bool HasPicture() const { return m_bitmaps.picture != nullptr; }
    // A puzzle exists while there are pieces.
    bool HasPuzzle() const;
    bool dirty() const { return m_dirty; }
    void SetDirty(bool dirty) { m_dirty = dirty; }

    // Makes the picture file at `path` the current picture, shown on a blank table. A puzzle in play
    // ends first unless `keepPuzzle`. Returns 0, or the reader's error code after telling it.
    long NewPicture(const QString &path, bool keepPuzzle);
    // Cuts a new puzzle (or, `fromFile`, renders the pieces already loaded) and starts the play clock
    // unless a loaded puzzle is already finished. False when memory ran out.
    bool BuildPuzzle(bool fromFile);

    // Writes the puzzle in play to `path`, completely or not at all. 0, or -1 after telling why.
    int SaveTo(const QString &path);
    // Replaces the puzzle in play by the one in `path`. The file is read and checked completely first:
    // a file that cannot be played leaves everything as it was. 0, or -1 after telling why.
    int Open(const QString &path);

    // Dragging, as the table does it, plus what a drop means for the game: the puzzle has changed, and
    // the clock stops when the last piece is placed.
    bool Press(QPoint mouse) { return m_table.Press(mouse); }
    QRect DragStep(QPoint mouse, bool *scrolled = nullptr) { return m_table.DragStep(mouse, scrolled); }
    DropOutcome Drop(const std::function<void()> &joined = {});

    // One second of play.
    void Tick();
    void StopClock();

private:
    void EndPuzzle();
    void FreePicture();
    void AdoptPicture(MemBitmap *picture, std::unique_ptr<QTemporaryFile> workingCopy);
    void StartClockUnlessFinished();

    PuzzleBitmaps m_bitmaps;
    Table m_table;
    std::unique_ptr<QTemporaryFile> m_workingCopy;
    PlayClock *m_clock = nullptr;
    bool m_dirty = false;
};

} // namespace tesselo
