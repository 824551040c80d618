#include "trackedit.h"

#include "checkwalk.h"
#include "dialogfeedback.h"
#include "gridpicture.h"
#include "tileimage.h"
#include "tilepictures.h"
#include "trackprinter.h"
#include "ui_trackedit.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStyle>

#include <exception>

namespace sk2 {

namespace {

constexpr int NoTile = 0;

} // namespace

// The grid as the course check sees it: the cells' tags and pictures.
class TTrackEdit::GridCells : public CourseCells
{
public:
    explicit GridCells(const TTrackEdit &form)
        : m_form(form)
    {}
    int Code(int cell) const override { return m_form.Cell(cell)->tag(); }
    QImage Picture(int cell) const override { return m_form.Cell(cell)->picture(); }
    void SetPicture(int cell, const QImage &picture) override { m_form.Cell(cell)->setPicture(picture); }

private:
    const TTrackEdit &m_form;
};

TTrackEdit::TTrackEdit(QWidget *owner, EditorFeedback *feedback)
    : QDialog(owner)
    , ui(std::make_unique<Ui::TTrackEdit>())
    , m_ownFeedback(feedback ? nullptr : std::make_unique<DialogFeedback>(this))
    , m_feedback(feedback ? feedback : m_ownFeedback.get())
{
    ui->setupUi(this);
    ui->BitBtnPrevious->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    ui->BitBtnNext->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    ui->BitBtnClose->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    LoadTilePictures();
    ConnectHandlers();
    FormCreate();
}

TTrackEdit::~TTrackEdit() = default;

TileImage *TTrackEdit::Cell(int index) const
{
    return findChild<TileImage *>(QStringLiteral("Image%1").arg(7 + index));
}

TileImage *TTrackEdit::PaletteImage(int imageNumber) const
{
    // Image1 to Image6 hold the curves and the straights; the crossing and the grass came later.
    static const char *const names[] = {"Image1", "Image2",  "Image3",  "Image4", "Image5",
                                        "Image6", "Image27", "Image28", "Image29"};
    return findChild<TileImage *>(QLatin1String(names[imageNumber]));
}

void TTrackEdit::LoadTilePictures()
{
    for (int number = 0; number < TileImageCount; ++number)
        PaletteImage(number)->setPicture(TilePicture(number));
}

void TTrackEdit::ConnectHandlers()
{
    for (int index = 0; index < 20; ++index) {
        TileImage *cell = Cell(index);
        connect(cell, &TileImage::DragOver, this,
                [this, cell](TileImage *source, bool *accept) { TrackDragOver(cell, source, accept); });
        connect(cell, &TileImage::DragDrop, this,
                [this, cell](TileImage *source, Qt::KeyboardModifiers keys) {
                    TrackDragDrop(cell, source, keys);
                });
    }
    connect(ui->New1, &QAction::triggered, this, &TTrackEdit::New1Click);
    connect(ui->BitBtnNew, &QPushButton::clicked, this, &TTrackEdit::New1Click);
    connect(ui->Copycurrenttrack1, &QAction::triggered, this, &TTrackEdit::Copycurrenttrack1Click);
    connect(ui->BitBtnCopy, &QPushButton::clicked, this, &TTrackEdit::Copycurrenttrack1Click);
    connect(ui->Save1, &QAction::triggered, this, &TTrackEdit::Undo1Click);
    connect(ui->BitBtnUndo, &QPushButton::clicked, this, &TTrackEdit::Undo1Click);
    connect(ui->Exit1, &QAction::triggered, this, &TTrackEdit::Exit1Click);
    connect(ui->BitBtnClose, &QPushButton::clicked, this, &TTrackEdit::Exit1Click);
    connect(ui->BitBtnPrevious, &QPushButton::clicked, this, &TTrackEdit::BitBtnPreviousClick);
    connect(ui->BitBtnNext, &QPushButton::clicked, this, &TTrackEdit::BitBtnNextClick);
    connect(ui->Checkcourse1, &QAction::triggered, this, &TTrackEdit::Checkcourse1Click);
    connect(ui->ClearCheck1, &QAction::triggered, this, &TTrackEdit::ClearCheck1Click);
    connect(ui->CopyToclipboard1, &QAction::triggered, this, &TTrackEdit::CopyToclipboard1Click);
    connect(ui->Print1, &QAction::triggered, this, &TTrackEdit::Print1Click);
    connect(ui->PrintSetup1, &QAction::triggered, this, &TTrackEdit::PrintSetup1Click);
}

template<typename Command> void TTrackEdit::Guarded(Command command)
{
    try {
        command();
    } catch (const std::exception &error) {
        m_feedback->ShowException(QString::fromUtf8(error.what()));
    }
}

void TTrackEdit::FormCreate()
{
    CurrentIndex = 0;
    TracksChanged = false;
    EditRec = TTrackRec{};
    Guarded([this] {
        if (QFileInfo::exists(TrackFileName())) {
            ReopenTrackFile();
            LoadTrackIntoGrid(0);
        } else {
            CreateEmptyTrackFile();
            ui->EditTrackName->setText(QStringLiteral("My 1st Track"));
            ui->BitBtnNext->setEnabled(false);
        }
    });
}

void TTrackEdit::LoadTrackIntoGrid(int index)
{
    TTrackRec rec{};
    ReadTrack(index, rec);
    EditRec = rec;
    ui->EditTrackName->setText(TrackName(rec));
    for (int cell = 0; cell < 20; ++cell) {
        const int code = TileCode(rec, cell);
        const int number = TileImageNumber(code);
        // A code that names no tile shows nothing but is kept, so that looking at a track never
        // changes it.
        Cell(cell)->setPicture(number >= 0 ? PaletteImage(number)->picture() : QImage());
        Cell(cell)->setTag(code);
    }
}

void TTrackEdit::SaveTrack()
{
    TTrackRec rec = EditRec;
    SetTrackName(rec, ui->EditTrackName->text().left(MaxTrackNameLength));
    for (int cell = 0; cell < 20; ++cell) {
        const int tag = Cell(cell)->tag();
        SetTileCode(rec, cell, tag == NoTile ? Tile::PlainGrass : tag);
    }
    WriteTrack(CurrentIndex, rec);
    EditRec = rec;
    ui->BitBtnUndo->setEnabled(false);
    TracksChanged = true;
}

void TTrackEdit::EmptyCell(TileImage *cell)
{
    cell->setPicture(QImage());
    cell->setTag(0);
}

void TTrackEdit::TrackDragOver(TileImage *, TileImage *source, bool *accept)
{
    *accept = source != nullptr;
}

void TTrackEdit::TrackDragDrop(TileImage *target, TileImage *source, Qt::KeyboardModifiers modifiers)
{
    target->setPicture(source->picture());
    target->setTag(source->tag());
    const bool withinGrid = source->parentWidget() == target->parentWidget();
    if (source != target && !(modifiers & Qt::ControlModifier) && withinGrid)
        EmptyCell(source);
    ui->BitBtnUndo->setEnabled(true);
}

// After New or Copy: the shown track is a new one, at the end of the file once it is written.
void TTrackEdit::ShowNewTrack()
{
    CurrentIndex = TrackCount();
    if (CurrentIndex > 0)
        ui->BitBtnPrevious->setEnabled(true);
    ui->BitBtnNext->setEnabled(false);
}

void TTrackEdit::New1Click()
{
    Guarded([this] {
        SaveTrack();
        ShowNewTrack();
        ui->EditTrackName->setText(QStringLiteral("My new Track"));
        for (int cell = 0; cell < 20; ++cell)
            EmptyCell(Cell(cell));
        ui->BitBtnUndo->setEnabled(false);
    });
}

void TTrackEdit::Copycurrenttrack1Click()
{
    Guarded([this] {
        SaveTrack();
        ShowNewTrack();
        ui->EditTrackName->setText(QStringLiteral("Copy of ") + ui->EditTrackName->text());
        ui->BitBtnUndo->setEnabled(true);
    });
}

void TTrackEdit::Undo1Click()
{
    Guarded([this] {
        LoadTrackIntoGrid(CurrentIndex);
        ui->BitBtnUndo->setEnabled(false);
    });
}

void TTrackEdit::Exit1Click()
{
    Guarded([this] {
        SaveTrack();
        accept();
    });
}

// The record number changes only once the other track is shown: were it to change before a failed
// read, the next save would write this grid over the other track.
void TTrackEdit::BitBtnPreviousClick()
{
    Guarded([this] {
        if (CurrentIndex > 0) {
            SaveTrack();
            LoadTrackIntoGrid(CurrentIndex - 1);
            --CurrentIndex;
        }
        if (CurrentIndex == 0)
            ui->BitBtnPrevious->setEnabled(false);
        if (TrackCount() > 1)
            ui->BitBtnNext->setEnabled(true);
    });
}

void TTrackEdit::BitBtnNextClick()
{
    Guarded([this] {
        if (CurrentIndex < TrackCount() - 1) {
            SaveTrack();
            LoadTrackIntoGrid(CurrentIndex + 1);
            ++CurrentIndex;
        }
        if (CurrentIndex > 0)
            ui->BitBtnPrevious->setEnabled(true);
        if (TrackCount() == CurrentIndex + 1)
            ui->BitBtnNext->setEnabled(false);
    });
}

void TTrackEdit::CheckWalk(QRgb fromColour, QRgb toColour, bool visible)
{
    GridCells cells(*this);
    sk2::CheckWalk(cells, fromColour, toColour, visible, *m_feedback);
}

void TTrackEdit::Checkcourse1Click()
{
    Guarded([this] {
        CheckWalk(CheckRed, RoadBlack, false);
        CheckWalk(RoadBlack, CheckRed, true);
    });
}

void TTrackEdit::ClearCheck1Click()
{
    Guarded([this] { CheckWalk(CheckRed, RoadBlack, false); });
}

QPicture TTrackEdit::GridPicture() const
{
    CellPictures pictures;
    for (int cell = 0; cell < 20; ++cell)
        pictures[cell] = Cell(cell)->picture();
    return sk2::GridPicture(pictures);
}

void TTrackEdit::CopyToclipboard1Click()
{
    Guarded([this] {
        QGuiApplication::clipboard()->setMimeData(GridPictureMimeData(GridPicture(), TrackName(EditRec)));
    });
}

QPrinter &TTrackEdit::Printer()
{
    if (!m_printer)
        m_printer = CreateTrackPrinter();
    return *m_printer;
}

void TTrackEdit::PrintGrid(QPrinter &printer)
{
    const QPicture picture = GridPicture();
    printer.setDocName(TrackName(EditRec));
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error("Printing failed: the printer could not be started");
    PlayStretched(painter, picture, QRectF(0, 0, printer.width(), printer.height()));
    painter.end();
}

void TTrackEdit::Print1Click()
{
    Guarded([this] {
        QPrintDialog dialog(&Printer(), this);
        if (dialog.exec() == QDialog::Accepted)
            PrintGrid(Printer());
    });
}

void TTrackEdit::PrintSetup1Click()
{
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}

void TTrackEdit::keyPressEvent(QKeyEvent *event)
{
    // The editor has no Cancel button: Escape must not throw away the shown track's changes.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace sk2
