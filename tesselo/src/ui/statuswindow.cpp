#include "statuswindow.h"

#include "pieces.h"

#include <QPainter>
#include <QTimerEvent>

namespace tesselo {

namespace {

constexpr int PlayTick = 1000; // ms
// The active border colour of the classic desktop, the strip's background.
const QColor StripColour(212, 208, 200);

} // namespace

StatusWindow::StatusWindow(Game &game, const StatusMeasures &measures, QWidget *parent)
    : QFrame(parent)
    , m_game(game)
    , m_layout{measures}
{
    setObjectName(QStringLiteral("TesseloStatusClass"));
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette strip = palette();
    strip.setColor(QPalette::Window, StripColour);
    setPalette(strip);
}

void StatusWindow::Start()
{
    m_timer.start(PlayTick, this);
}

void StatusWindow::Stop()
{
    m_timer.stop();
}

void StatusWindow::RepaintArea(const QRect &clientArea)
{
    update(clientArea.translated(contentsRect().topLeft()));
}

void StatusWindow::RepaintScore()
{
    RepaintArea(m_layout.ScoreValueArea(clientWidth()));
}

void StatusWindow::RepaintPieces()
{
    RepaintArea(m_layout.PiecesValueArea());
}

void StatusWindow::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timer.timerId()) {
        QFrame::timerEvent(event);
        return;
    }
    m_game.Tick();
    RepaintArea(m_layout.TimeValueArea(clientWidth()));
}

void StatusWindow::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.translate(contentsRect().topLeft());
    painter.setPen(Qt::black);
    const int cw = clientWidth();
    const int top = 4;
    const int bottom = m_layout.m.lineH + 4;
    auto text = [&](int left, const QString &s) {
        painter.drawText(QRect(left, top, cw - left, bottom - top), Qt::AlignLeft | Qt::AlignTop, s);
    };
    painter.drawText(m_layout.PiecesText(), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("Pieces Placed: %1/%2").arg(placed).arg(total));
    text(m_layout.RightPartLeft(cw), QStringLiteral("Score: "));
    text(m_layout.ScoreValueLeft(cw), QString::number(score));
    text(m_layout.TimeLabelLeft(cw), QStringLiteral("Time: "));
    text(m_layout.TimeValueLeft(cw), QString::number(elapsed));
}

} // namespace tesselo
