#pragma once

#include "trackfile.h"

#include <QDialog>
#include <QPicture>

#include <memory>

namespace Ui {
class TTrackEdit;
}
class QPrinter;
class TileImage;

namespace sk2 {

class EditorFeedback;

// The track editor. Tiles are dragged from the palette onto the 5 x 4 grid, or within the grid (moved,
// or copied with Ctrl held); the shown track is written back to the track file whenever the user goes
// to another track, adds one, or closes with "Close". Closing by the title bar writes nothing.
// The course check walks the road from its start cell and colours it red as far as it holds together.
class TTrackEdit : public QDialog
{
    Q_OBJECT

public:
    // The feedback shows messages and runs the check's pauses; by default as dialogs over the editor.
    explicit TTrackEdit(QWidget *owner = nullptr, EditorFeedback *feedback = nullptr);
    ~TTrackEdit() override;

    // A track has been written since the editor opened.
    bool TracksChanged = false;
    // The record number of the shown track; TrackCount while a new track is shown that is not written.
    int CurrentIndex = 0;
    // The shown track as last read or written.
    TTrackRec EditRec{};

    // The grid cell of a cell index 0..19, and the palette image of an image number 0..8.
    TileImage *Cell(int index) const;
    TileImage *PaletteImage(int imageNumber) const;

    // The picture of the grid as printed and copied.
    QPicture GridPicture() const;
    // Prints the grid picture on a printer already chosen, under the shown track's name.
    void PrintGrid(QPrinter &printer);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void TrackDragOver(TileImage *target, TileImage *source, bool *accept);
    void TrackDragDrop(TileImage *target, TileImage *source, Qt::KeyboardModifiers modifiers);
    void New1Click();
    void Copycurrenttrack1Click();
    void Undo1Click();
    void Exit1Click();
    void BitBtnPreviousClick();
    void BitBtnNextClick();
    void Checkcourse1Click();
    void ClearCheck1Click();
    void CopyToclipboard1Click();
    void Print1Click();
    void PrintSetup1Click();

private:
    class GridCells;

    void FormCreate();
    void ConnectHandlers();
    void LoadTilePictures();
    void LoadTrackIntoGrid(int index);
    void SaveTrack();
    void CheckWalk(QRgb fromColour, QRgb toColour, bool visible);
    void EmptyCell(TileImage *cell);
    void ShowNewTrack();
    QPrinter &Printer();
    // Runs a command; an error it raises is shown in the error box and ends the command there.
    template<typename Command> void Guarded(Command command);

    std::unique_ptr<Ui::TTrackEdit> ui;
    std::unique_ptr<EditorFeedback> m_ownFeedback;
    EditorFeedback *m_feedback;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace sk2
