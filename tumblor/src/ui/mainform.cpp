#include "mainform.h"

#include "drawgrid.h"
#include "randomsource.h"
#include "showmessage.h"
#include "ui_main.h"

#include <QGuiApplication>
#include <QPainter>

using namespace tumblor;

namespace {

const char *const TileLetters = "RSP"; // rock, scissors, paper, in kind order

// The pointer shape over the whole application, as a drag shows it; the default shape lifts it.
void SetScreenCursor(Qt::CursorShape shape)
{
    if (shape == Qt::ArrowCursor) {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    } else if (QGuiApplication::overrideCursor()) {
        QGuiApplication::changeOverrideCursor(shape);
    } else {
        QGuiApplication::setOverrideCursor(shape);
    }
}

} // namespace

Tmain::Tmain(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::Tmain>())
    , m_random(std::make_unique<ClockSeededRandom>())
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/tiles/icon.png")));
    // A single, non-resizable border around a 415 x 420 client area below the menu.
    setFixedSize(ui->client->width(), ui->client->height() + menuBar()->sizeHint().height());

    connect(ui->menustart, &QAction::triggered, this, &Tmain::menustartClick);
    connect(ui->menuexit, &QAction::triggered, this, &Tmain::menuexitClick);
    connect(ui->minfoitem, &QAction::triggered, this, &Tmain::minfoitemClick);
    connect(ui->grid, &DrawGrid::mouseDown, this, &Tmain::gridMouseDown);
    connect(ui->grid, &DrawGrid::mouseUp, this, &Tmain::gridMouseUp);
}

Tmain::~Tmain() = default;

void Tmain::setRandomSource(std::unique_ptr<RandomSource> random)
{
    m_random = std::move(random);
}

DrawGrid *Tmain::grid() const
{
    return ui->grid;
}

QString Tmain::RulesText()
{
    return QStringList{
        QStringLiteral("ROCK PAPER SCISSORS TUMBLOR - a Skarvel game"),
        QString(),
        QStringLiteral("Collapse tiles by dragging tile over another to the left or right."),
        QStringLiteral("- paper tiles can collapse rock tiles"),
        QStringLiteral("- scissor tiles can collapse paper tiles"),
        QStringLiteral("- rock tiles can collapse scissor tiles"),
        QStringLiteral("  tiles of same color can collapse each other."),
    }
        .join(QLatin1Char('\r'));
}

void Tmain::menustartClick()
{
    StartGame();
}

void Tmain::menuexitClick()
{
    close();
}

void Tmain::minfoitemClick()
{
    ShowMessage(this, RulesText());
    DrawBoard();
}

void Tmain::paintEvent(QPaintEvent *event)
{
    QMainWindow::paintEvent(event);
    FormPaint();
}

void Tmain::FormPaint()
{
    DrawBoard();
}

void Tmain::StartGame()
{
    ui->grid->setEnabled(true);
    LoadTiles();
    m_game.StartGame(*m_random);
    DrawBoard();
}

void Tmain::LoadTiles()
{
    if (m_tilesLoaded)
        return;
    m_tiles[0] = QImage(QStringLiteral(":/tiles/E.png"));
    for (int kind = 0; kind < 3; ++kind) {
        for (int colour = 1; colour <= ColourCount; ++colour)
            m_tiles[kind * ColourCount + colour] =
                QImage(QStringLiteral(":/tiles/%1%2.png").arg(QLatin1Char(TileLetters[kind])).arg(colour));
    }
    m_tilesLoaded = true;
}

const QImage *Tmain::PictureFor(int kind, int colour) const
{
    if (kind == Empty)
        return &m_tiles[0];
    if (!Board::IsTile(static_cast<std::uint8_t>(kind)) || colour < 1 || colour > ColourCount)
        return nullptr;
    return &m_tiles[(kind - Rock) * ColourCount + colour];
}

void Tmain::DrawCell(int col, int row, int kind, int colour)
{
    if (const QImage *picture = PictureFor(kind, colour))
        DrawPicture(col, row, *picture);
}

void Tmain::DrawPicture(int col, int row, const QImage &picture)
{
    const QRect cell = ui->grid->CellRect(col - 1, row - 1);
    QPainter painter(&ui->grid->canvas());
    painter.drawImage(cell.topLeft(), picture);
    ui->grid->update(cell);
}

void Tmain::DrawBoard()
{
    const Board &board = m_game.board;
    if (m_tilesLoaded) {
        for (int col = 1; col <= BoardSize; ++col) {
            for (int row = 1; row <= BoardSize; ++row)
                DrawCell(col, row, board.Kinds[col][row], board.Colours[col][row]);
        }
    }
    ui->Scorelb->setText(QStringLiteral("SCORE:%1").arg(board.Score));
}

void Tmain::gridMouseDown(Qt::MouseButton, int x, int y)
{
    if (!m_game.StartDrag(x, y))
        return;
    SetScreenCursor(Qt::DragMoveCursor);
    DrawPicture(m_game.DragCol, m_game.DragRow, m_tiles[0]);
}

void Tmain::gridMouseUp(Qt::MouseButton, int x, int y)
{
    if (!m_game.Dragging)
        return;
    const int originCol = m_game.DragCol;
    const int originRow = m_game.DragRow;
    const DropResult result = m_game.Drop(x, y);
    SetScreenCursor(Qt::ArrowCursor);
    if (!result.moved) {
        DrawCell(originCol, originRow, m_game.board.Kinds[originCol][originRow],
                 m_game.board.Colours[originCol][originRow]);
        return;
    }
    DrawBoard();
    if (result.won)
        ShowMessage(this, QStringLiteral("You win"));
}
