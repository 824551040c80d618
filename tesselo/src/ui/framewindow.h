#pragma once

#include "alerts.h"
#include "game.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QFileDialog;

namespace tesselo {

class StatusWindow;
class TableWindow;

// The menu command identifiers; each action carries its identifier as data.
enum Command {
    IDM_F_NEWJIGSAW = 1050,
    IDM_F_NEWPICTURE = 1100,
    IDM_F_OPEN = 1200,
    IDM_F_SAVE = 1250,
    IDM_F_SAVEAS = 1300,
    IDM_F_EXIT = 1400,
    IDM_H_CONTENTS = 3050,
    IDM_H_ABOUT = 3150,
};

// The frame window: the menu, the table above the status line, the prompts around every command, and
// the dirty flag and current puzzle path.
class FrameWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrameWindow(QWidget *parent = nullptr);
    ~FrameWindow() override;

    // Shows a prepared file dialog and returns the chosen file, or an empty text when it was cancelled.
    // Tests choose files through their own runner.
    using FileDialogRunner = std::function<QString(QFileDialog &dialog)>;
    void SetFileDialogRunner(FileDialogRunner runner) { m_runFileDialog = std::move(runner); }

    Game &game() { return m_game; }
    TableWindow *tableWindow() const { return m_table; }
    StatusWindow *statusWindow() const { return m_status; }
    QAction *action(Command command) const;
    const QString &puzzlePath() const { return m_puzzlePath; }

    // The commands of the menu.
    void NewJigsaw();
    void NewPicture();
    void Open();
    void Save();
    void SaveAs();
    void About();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class SaveOutcome { Saved, NotSaved, Failed };
    SaveOutcome SaveCommand();
    SaveOutcome SaveAsCommand();
    void CreateMenu();
    QAction *AddCommand(QMenu *menu, Command command, const QString &text, void (FrameWindow::*handler)());
    void LayOutChildren();
    void SetEnabled(Command command, bool enabled);
    bool SaveTo(const QString &path);
    bool MayQuit();
    QString RunFileDialog(const QString &title, const QString &filters, const QString &start, bool save);
    void BuildPuzzle(bool fromFile);
    void PuzzleBuilt(bool fromFile);
    void RepaintAll();

    Game m_game;
    TableWindow *m_table = nullptr;
    StatusWindow *m_status = nullptr;
    QWidget *m_client = nullptr;
    int m_lineH = 0;
    QString m_puzzlePath;
    QString m_picturePath;
    FileDialogRunner m_runFileDialog;
    AlertSink m_previousSink;
};

} // namespace tesselo
