#include "tablewindow.h"

#include "game.h"
#include "messagebox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace tesselo {

TableWindow::TableWindow(Game &game, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_game(game)
{
    setObjectName(QStringLiteral("TESSELO"));
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(Qt::ArrowCursor);
    for (auto [bar, orientation] :
         {std::pair{horizontalScrollBar(), Qt::Horizontal}, std::pair{verticalScrollBar(), Qt::Vertical}}) {
        // The table follows the thumb only when it is let go.
        bar->setTracking(false);
        bar->setSingleStep(ScrollLine);
        connect(bar, &QScrollBar::actionTriggered, this,
                [this, orientation = orientation](int action) { ScrollBarAction(orientation, action); });
    }
}

void TableWindow::SyncScrollBars()
{
    const Table &table = m_game.table();
    QScrollBar *h = horizontalScrollBar();
    QScrollBar *v = verticalScrollBar();
    h->setRange(0, table.scrollMaximumX());
    v->setRange(0, table.scrollMaximumY());
    h->setPageStep(std::max(1, (2 * table.client().width()) / 3));
    v->setPageStep(std::max(1, (2 * table.client().height()) / 3));
    h->setValue(table.scroll().x());
    v->setValue(table.scroll().y());
}

void TableWindow::ScrollBarAction(Qt::Orientation orientation, int action)
{
    QScrollBar *bar = orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    ScrollRequest request = ScrollRequest::ThumbTrack;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        request = ScrollRequest::LineBack;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        request = ScrollRequest::LineForward;
        break;
    case QAbstractSlider::SliderPageStepSub:
        request = ScrollRequest::PageBack;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        request = ScrollRequest::PageForward;
        break;
    case QAbstractSlider::SliderMove:
        // With tracking off a move arrives while the thumb is dragged only from the wheel, and once
        // when the thumb is let go; both are taken as the thumb's new place.
        request = bar->isSliderDown() ? ScrollRequest::ThumbTrack : ScrollRequest::ThumbRelease;
        break;
    default:
        break;
    }
    Table &table = m_game.table();
    if (table.Scroll(orientation, request, bar->sliderPosition()))
        viewport()->update();
    const QPoint position = table.scroll();
    if (request != ScrollRequest::ThumbTrack)
        bar->setSliderPosition(orientation == Qt::Horizontal ? position.x() : position.y());
}

void TableWindow::scrollContentsBy(int, int)
{
    // The table keeps its own scroll position; the bars only show it.
}

bool TableWindow::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Paint:
        PaintViewport(static_cast<QPaintEvent *>(event));
        return true;
    case QEvent::Resize:
        if (m_game.table().Resize(viewport()->size()))
            viewport()->update();
        SyncScrollBars();
        return true;
    default:
        return QAbstractScrollArea::viewportEvent(event);
    }
}

void TableWindow::PaintViewport(QPaintEvent *event)
{
    QPainter painter(viewport());
    for (const QRect &rect : event->region())
        m_game.table().Paint(painter, rect);
}

void TableWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_game.Press(event->position().toPoint())) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    viewport()->update(m_game.DragStep(event->position().toPoint()));
}

void TableWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_game.table().dragging()) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    bool scrolled = false;
    const QRect area = m_game.DragStep(event->position().toPoint(), &scrolled);
    if (scrolled) {
        SyncScrollBars();
        viewport()->update();
    } else {
        viewport()->update(area);
    }
}

void TableWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_game.table().dragging()) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    const DropOutcome outcome = m_game.Drop(m_joined);
    viewport()->update(outcome.windowArea);
    if (outcome.finished)
        ShowMessageBox(this, AlertIcon::None, QStringLiteral("Victory!!!"),
                       QStringLiteral("Congratulations! You finished the puzzle!"));
}

} // namespace tesselo
