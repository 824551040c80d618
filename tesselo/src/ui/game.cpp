#include "game.h"

#include "alerts.h"
#include "bitmaps.h"
#include "picture.h"
#include "pieces.h"
#include "puzzlefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

namespace tesselo {

namespace {

constexpr int CopyBlock = 4096;

// A new, open, empty working copy in the temporary folder, named with the prefix "tsl".
std::unique_ptr<QTemporaryFile> NewWorkingCopy()
{
    auto copy =
        std::make_unique<QTemporaryFile>(QDir(QDir::tempPath()).filePath(QStringLiteral("tslXXXXXX")));
    if (!copy->open())
        return nullptr;
    return copy;
}

std::unique_ptr<QTemporaryFile> CopyToWorkingCopy(const QString &path)
{
    auto copy = NewWorkingCopy();
    QFile source(path);
    if (!copy || !source.open(QIODevice::ReadOnly))
        return nullptr;
    char block[CopyBlock];
    for (;;) {
        // A copy cut short by a failing read would be saved into puzzles that could never be opened.
        const qint64 got = source.read(block, CopyBlock);
        if (got < 0 || (got > 0 && copy->write(block, got) != got))
            return nullptr;
        if (got == 0)
            break;
    }
    return copy->flush() ? std::move(copy) : nullptr;
}

QSize ScaledBy(QSize size, double factor)
{
    return QSize(int(size.width() * factor), int(size.height() * factor));
}

} // namespace

Game::Game()
    : m_table(m_bitmaps)
{}

Game::~Game()
{
    StopClock();
    FreePuzzle(m_bitmaps.picSheet, m_bitmaps.maskSheet);
    FreePicture();
    ReleaseCurrentPalette(m_table.backing());
}

bool Game::HasPuzzle() const
{
    return pieceFront != nullptr;
}

void Game::StopClock()
{
    if (m_clock)
        m_clock->Stop();
}

void Game::StartClockUnlessFinished()
{
    if (!m_clock)
        return;
    m_clock->Stop();
    if (placed != total)
        m_clock->Start();
}

void Game::Tick()
{
    elapsed += 1;
}

void Game::EndPuzzle()
{
    StopClock();
    FreePuzzle(m_bitmaps.picSheet, m_bitmaps.maskSheet);
    total = placed = elapsed = lastJoin = score = 0;
}

void Game::FreePicture()
{
    FreeBitmap(m_bitmaps.picture);
    FreeBitmap(m_bitmaps.scratchPic);
    FreeBitmap(m_bitmaps.scratchMask);
}

void Game::AdoptPicture(MemBitmap *picture, std::unique_ptr<QTemporaryFile> workingCopy)
{
    FreePicture();
    m_bitmaps.picture = picture;
    m_workingCopy = std::move(workingCopy);
    const QSize scratch = ScaledBy(SizeOf(picture), 1.2);
    m_bitmaps.scratchPic = MakeBitmap(picture, scratch, false, "bmScratchPic", "IDM_F_NEWPICTURE");
    if (m_bitmaps.scratchPic)
        m_bitmaps.scratchMask =
            MakeBitmap(m_bitmaps.scratchPic, scratch, true, "bmScratchMask", "IDM_F_NEWPICTURE");
}

long Game::NewPicture(const QString &path, bool keepPuzzle)
{
    if (HasPuzzle() && !keepPuzzle)
        EndPuzzle();
    FreePicture();
    long code = 0;
    MemBitmap *picture = ReadBitmapFile(path, &code, m_table.backing());
    if (!picture) {
        ShowAlert(AlertIcon::None, QStringLiteral("NewPicture error"),
                  QStringLiteral("Unable to open bitmap: [%1]").arg(code));
        m_table.ShowPicture();
        return code;
    }
    // Without a working copy the picture still plays; only saving will refuse.
    auto copy = CopyToWorkingCopy(path);
    if (!copy)
        ShowAlert(AlertIcon::None, QStringLiteral("NewPicture"), QStringLiteral("Error copying bitmap file"));
    AdoptPicture(picture, std::move(copy));
    m_table.ShowPicture();
    return 0;
}

bool Game::BuildPuzzle(bool fromFile)
{
    if (!HasPicture())
        return false;
    if (!fromFile)
        FreePuzzle(m_bitmaps.picSheet, m_bitmaps.maskSheet);
    if (!CreatePieceMask(m_bitmaps.picture, m_bitmaps.maskSheet, fromFile) ||
        !CreatePiecePic(m_bitmaps.picture, m_bitmaps.picSheet, m_bitmaps.maskSheet)) {
        FreePuzzle(m_bitmaps.picSheet, m_bitmaps.maskSheet);
        m_table.ShowPicture();
        return false;
    }
    m_table.RedrawTable(QRect(0, 0, TableWidth, TableHeight));
    StartClockUnlessFinished();
    return true;
}

DropOutcome Game::Drop(const std::function<void()> &joined)
{
    const bool wasDragging = m_table.dragging();
    const DropOutcome outcome = m_table.Drop(joined);
    if (wasDragging)
        m_dirty = true;
    if (outcome.finished)
        StopClock();
    return outcome;
}

int Game::SaveTo(const QString &path)
{
    const QString title = QStringLiteral("Save Puzzle");
    if (!HasPuzzle() || !m_workingCopy) {
        // The picture is part of every puzzle file; without it the file could never be loaded again.
        ShowAlert(
            AlertIcon::None, title,
            QStringLiteral("Unable to save '%1': the puzzle's picture could not be kept. Your puzzle was "
                           "not saved.")
                .arg(path));
        return -1;
    }
    PuzzleProblem problem;
    if (SavePuzzle(path, CapturePuzzle(), *m_workingCopy, &problem) != 0) {
        ShowAlert(AlertIcon::None, problem.title, problem.text);
        return -1;
    }
    ShowAlert(AlertIcon::Information, title, QStringLiteral("%1 has been successfully saved.").arg(path));
    return 0;
}

int Game::Open(const QString &path)
{
    const QString title = QStringLiteral("Load Puzzle");
    PuzzleSnapshot puzzle;
    PuzzleProblem problem;
    if (LoadPuzzle(path, puzzle, &problem) != 0) {
        ShowAlert(problem.exclamation ? AlertIcon::Exclamation : AlertIcon::None, problem.title,
                  problem.text);
        return -1;
    }
    auto copy = NewWorkingCopy();
    if (!copy || copy->write(puzzle.picture) != puzzle.picture.size() || !copy->flush()) {
        ShowAlert(
            AlertIcon::Exclamation, title,
            QStringLiteral("Unable to unpack the picture of %1 into a temporary file. The puzzle was not "
                           "loaded.")
                .arg(path));
        return -1;
    }
    long code = 0;
    MemBitmap *picture = ReadBitmapFile(copy->fileName(), &code, m_table.backing());
    if (!picture) {
        ShowAlert(
            AlertIcon::Exclamation, title,
            QStringLiteral("The picture inside %1 cannot be read (error %2). The puzzle was not loaded.")
                .arg(path)
                .arg(code));
        return -1;
    }
    const QSize size = SizeOf(picture);
    if (const QString fault = CheckPuzzle(puzzle, size.width(), size.height()); !fault.isEmpty()) {
        FreeBitmap(picture);
        ShowAlert(AlertIcon::Exclamation, title, QStringLiteral("%1 cannot be loaded: %2").arg(path, fault));
        return -1;
    }
    // The whole file is sound: only now does the puzzle in play give way.
    EndPuzzle();
    AdoptPicture(picture, std::move(copy));
    if (!InstallPuzzle(puzzle) || !BuildPuzzle(true)) {
        m_table.ShowPicture();
        return -1;
    }
    m_dirty = false;
    return 0;
}

} // namespace tesselo
