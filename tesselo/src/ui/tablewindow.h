#pragma once

#include "scrolling.h"

#include <QAbstractScrollArea>

#include <functional>

namespace tesselo {

class Game;

// The main window: the part of the table that fits, two scroll bars, and dragging with the left button.
class TableWindow : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit TableWindow(Game &game, QWidget *parent = nullptr);

    // Told after each join of a drop, so that the status line can show the new score.
    void SetJoinHandler(std::function<void()> joined) { m_joined = std::move(joined); }

    // Brings both scroll bars in line with the table's size and scroll position.
    void SyncScrollBars();

protected:
    bool viewportEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void ScrollBarAction(Qt::Orientation bar, int action);
    void PaintViewport(QPaintEvent *event);

    Game &m_game;
    std::function<void()> m_joined;
};

} // namespace tesselo
