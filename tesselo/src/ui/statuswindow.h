#pragma once

#include "game.h"
#include "statuslayout.h"

#include <QBasicTimer>
#include <QFrame>

namespace tesselo {

// The one-line strip along the bottom of the frame: pieces placed on the left, score and play time on
// the right. It also receives the one-second play timer, so it is the game's clock.
class StatusWindow : public QFrame, public PlayClock
{
    Q_OBJECT

public:
    StatusWindow(Game &game, const StatusMeasures &measures, QWidget *parent = nullptr);

    const StatusLayout &layout() const { return m_layout; }

    // The repaint requests of a join.
    void RepaintScore();
    void RepaintPieces();

    void Start() override;
    void Stop() override;
    bool Running() const override { return m_timer.isActive(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    int clientWidth() const { return contentsRect().width(); }
    void RepaintArea(const QRect &clientArea);

    Game &m_game;
    StatusLayout m_layout;
    QBasicTimer m_timer;
};

} // namespace tesselo
