#include "framewindow.h"

#include "jigsawdialogs.h"
#include "messagebox.h"
#include "pieces.h"
#include "statuswindow.h"
#include "tablewindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>

namespace tesselo {

namespace {

const QString PictureFilters = QStringLiteral("Windows Bitmaps (*.bmp);;All files (*.*)");
const QString PuzzleFilters = QStringLiteral("Tesselo Puzzles (*.tsl);;All files (*.*)");

// The wait cursor for as long as it lives.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

QString ExecFileDialog(QFileDialog &dialog)
{
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

FrameWindow::FrameWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_runFileDialog(ExecFileDialog)
{
    setObjectName(QStringLiteral("TesseloMasterClass"));
    setWindowTitle(QStringLiteral("Tesselo"));
    setWindowIcon(QIcon(QStringLiteral(":/tesselo/icon.png")));
    m_previousSink = SetAlertSink([this](AlertIcon icon, const QString &title, const QString &text) {
        ShowMessageBox(isVisible() ? this : nullptr, icon, title, text);
    });
    CreateMenu();

    const StatusMeasures measures = StatusMeasures::Measure(fontMetrics());
    m_lineH = measures.lineH;
    m_client = new QWidget(this);
    m_client->installEventFilter(this);
    setCentralWidget(m_client);
    m_table = new TableWindow(m_game, m_client);
    m_status = new StatusWindow(m_game, measures, m_client);
    m_game.SetClock(m_status);
    m_table->SetJoinHandler([this] {
        m_status->RepaintScore();
        m_status->RepaintPieces();
    });
    resize(800, 600);
}

FrameWindow::~FrameWindow()
{
    m_game.StopClock();
    m_game.SetClock(nullptr);
    // The table and status windows use the game: they go before it does.
    m_client->removeEventFilter(this);
    delete takeCentralWidget();
    SetAlertSink(std::move(m_previousSink));
}

QAction *FrameWindow::AddCommand(QMenu *menu, Command command, const QString &text,
                                 void (FrameWindow::*handler)())
{
    QAction *action = menu->addAction(text);
    action->setData(int(command));
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void FrameWindow::CreateMenu()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    AddCommand(file, IDM_F_NEWJIGSAW, QStringLiteral("New &Jigsaw..."), &FrameWindow::NewJigsaw)
        ->setObjectName(QStringLiteral("IDM_F_NEWJIGSAW"));
    AddCommand(file, IDM_F_NEWPICTURE, QStringLiteral("New &Picture..."), &FrameWindow::NewPicture)
        ->setObjectName(QStringLiteral("IDM_F_NEWPICTURE"));
    file->addSeparator();
    AddCommand(file, IDM_F_OPEN, QStringLiteral("&Open..."), &FrameWindow::Open)
        ->setObjectName(QStringLiteral("IDM_F_OPEN"));
    AddCommand(file, IDM_F_SAVE, QStringLiteral("&Save"), &FrameWindow::Save)
        ->setObjectName(QStringLiteral("IDM_F_SAVE"));
    AddCommand(file, IDM_F_SAVEAS, QStringLiteral("Save &As..."), &FrameWindow::SaveAs)
        ->setObjectName(QStringLiteral("IDM_F_SAVEAS"));
    file->addSeparator();
    QAction *exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("IDM_F_EXIT"));
    exit->setData(int(IDM_F_EXIT));
    // Exit asks for the close, which then runs the same questions as closing the window.
    connect(exit, &QAction::triggered, this,
            [this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); });

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction *contents = help->addAction(QStringLiteral("&Contents"));
    contents->setObjectName(QStringLiteral("IDM_H_CONTENTS"));
    contents->setData(int(IDM_H_CONTENTS));
    help->addSeparator();
    AddCommand(help, IDM_H_ABOUT, QStringLiteral("&About Tesselo"), &FrameWindow::About)
        ->setObjectName(QStringLiteral("IDM_H_ABOUT"));

    for (Command gray : {IDM_F_NEWJIGSAW, IDM_F_SAVE, IDM_F_SAVEAS, IDM_H_CONTENTS})
        SetEnabled(gray, false);
    SetEnabled(IDM_F_OPEN, true);
}

QAction *FrameWindow::action(Command command) const
{
    for (QAction *a : findChildren<QAction *>()) {
        if (a->data().toInt() == int(command))
            return a;
    }
    return nullptr;
}

void FrameWindow::SetEnabled(Command command, bool enabled)
{
    if (QAction *a = action(command))
        a->setEnabled(enabled);
}

bool FrameWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        LayOutChildren();
    return QMainWindow::eventFilter(watched, event);
}

void FrameWindow::LayOutChildren()
{
    const QSize client = m_client->size();
    m_table->setGeometry(0, 0, client.width(), std::max(0, client.height() - m_lineH));
    m_status->setGeometry(0, client.height() - m_lineH, client.width(), m_lineH);
}

void FrameWindow::RepaintAll()
{
    m_table->viewport()->update();
    m_status->update();
}

QString FrameWindow::RunFileDialog(const QString &title, const QString &filters, const QString &start,
                                   bool save)
{
    QFileDialog dialog(this, title, start, filters);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The game asks about overwriting itself, in its own words.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setDefaultSuffix(QStringLiteral("tsl"));
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    return m_runFileDialog(dialog);
}

void FrameWindow::BuildPuzzle(bool fromFile)
{
    {
        WaitCursor wait;
        m_game.BuildPuzzle(fromFile);
    }
    PuzzleBuilt(fromFile);
}

void FrameWindow::PuzzleBuilt(bool fromFile)
{
    RepaintAll();
    SetEnabled(IDM_F_NEWJIGSAW, true);
    SetEnabled(IDM_F_SAVEAS, true);
    SetEnabled(IDM_F_SAVE, fromFile);
}

void FrameWindow::NewJigsaw()
{
    if (!m_game.HasPicture()) {
        ShowMessageBox(this, AlertIcon::Exclamation, QStringLiteral("New Jigsaw Error"),
                       QStringLiteral("You must load a picture before creating a new puzzle."));
        return;
    }
    NewJigsawDialog dialog(pieceCount, pieceStyle, MaxPieces(m_game.bitmaps().picture), m_table->viewport());
    if (dialog.exec() != QDialog::Accepted)
        return;
    pieceCount = dialog.pendingCount();
    pieceStyle = dialog.pendingStyle();
    BuildPuzzle(false);
    m_game.SetDirty(true);
    m_puzzlePath.clear();
}

void FrameWindow::NewPicture()
{
    if (m_game.HasPuzzle() &&
        Ask(this, AlertIcon::None, QStringLiteral("Load New Picture"),
            QStringLiteral("Loading a new picture will end this puzzle. Are you sure you want to do this?"),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) != QMessageBox::Yes)
        return;
    const QString path =
        RunFileDialog(QStringLiteral("Open New Picture"), PictureFilters, m_picturePath, false);
    if (path.isEmpty())
        return;
    m_picturePath = path;
    {
        WaitCursor wait;
        m_game.NewPicture(path, false);
    }
    RepaintAll();
    SetEnabled(IDM_F_NEWJIGSAW, true);
    SetEnabled(IDM_F_SAVEAS, false);
    SetEnabled(IDM_F_SAVE, false);
    m_game.SetDirty(false);
    m_puzzlePath.clear();
}

void FrameWindow::Open()
{
    const QString path =
        RunFileDialog(QStringLiteral("Open Existing Puzzle"), PuzzleFilters, m_puzzlePath, false);
    if (path.isEmpty())
        return;
    int result;
    {
        WaitCursor wait;
        result = m_game.Open(path);
    }
    // A file that failed to load becomes neither the current puzzle path nor a reason to forget that the
    // puzzle still in play has unsaved changes.
    if (result != 0)
        return;
    m_puzzlePath = path;
    m_game.SetDirty(false);
    PuzzleBuilt(true);
}

void FrameWindow::Save()
{
    SaveCommand();
}

void FrameWindow::SaveAs()
{
    SaveAsCommand();
}

FrameWindow::SaveOutcome FrameWindow::SaveCommand()
{
    if (m_puzzlePath.isEmpty())
        return SaveAsCommand();
    return SaveTo(m_puzzlePath) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

FrameWindow::SaveOutcome FrameWindow::SaveAsCommand()
{
    const QString path = RunFileDialog(QStringLiteral("Save Puzzle As"), PuzzleFilters, m_puzzlePath, true);
    if (path.isEmpty())
        return SaveOutcome::NotSaved;
    if (QFileInfo::exists(path) &&
        Ask(this, AlertIcon::None, QStringLiteral("Save Puzzle"),
            QStringLiteral("The file '%1' exists. Overwrite it with the current puzzle?").arg(path),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) != QMessageBox::Yes)
        return SaveOutcome::NotSaved;
    // The name becomes the puzzle's only once the puzzle is in it, so that a later Save never writes
    // unasked to a file the player declined to overwrite.
    if (!SaveTo(path))
        return SaveOutcome::Failed;
    m_puzzlePath = path;
    return SaveOutcome::Saved;
}

bool FrameWindow::SaveTo(const QString &path)
{
    int result;
    {
        WaitCursor wait;
        result = m_game.SaveTo(path);
    }
    if (result != 0)
        return false;
    SetEnabled(IDM_F_SAVE, true);
    m_game.SetDirty(false);
    return true;
}

void FrameWindow::About()
{
    AboutDialog about(m_table->viewport());
    about.exec();
}

bool FrameWindow::MayQuit()
{
    const QString title = QStringLiteral("Exit Tesselo");
    if (m_game.HasPuzzle() &&
        Ask(this, AlertIcon::None, title, QStringLiteral("Are you sure you want to quit tesselo?"),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) != QMessageBox::Yes)
        return false;
    if (!m_game.dirty())
        return true;
    if (Ask(this, AlertIcon::None, title, QStringLiteral("Save current puzzle before exiting?"),
            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return true;
    // Cancelling the save dialog still exits; a save that fails keeps the game open, so that the
    // puzzle is not lost with it.
    return SaveCommand() != SaveOutcome::Failed;
}

void FrameWindow::closeEvent(QCloseEvent *event)
{
    if (!MayQuit()) {
        event->ignore();
        return;
    }
    m_game.StopClock();
    event->accept();
}

} // namespace tesselo
