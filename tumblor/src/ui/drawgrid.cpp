#include "drawgrid.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
const QColor CellColour(255, 255, 255);
const QColor LineColour(150, 150, 150);
} // namespace

DrawGrid::DrawGrid(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resetCanvas();
}

void DrawGrid::setColCount(int count)
{
    m_colCount = count;
    resetCanvas();
}

void DrawGrid::setRowCount(int count)
{
    m_rowCount = count;
    resetCanvas();
}

void DrawGrid::setDefaultColWidth(int width)
{
    m_colWidth = width;
    resetCanvas();
}

void DrawGrid::setDefaultRowHeight(int height)
{
    m_rowHeight = height;
    resetCanvas();
}

void DrawGrid::setGridLineWidth(int width)
{
    m_lineWidth = width;
    resetCanvas();
}

QRect DrawGrid::CellRect(int col, int row) const
{
    return QRect(col * (m_colWidth + m_lineWidth), row * (m_rowHeight + m_lineWidth), m_colWidth,
                 m_rowHeight);
}

void DrawGrid::resetCanvas()
{
    m_canvas = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_canvas.fill(CellColour);
    QPainter painter(&m_canvas);
    for (int col = 0; col < m_colCount; ++col) {
        const QRect cell = CellRect(col, 0);
        painter.fillRect(cell.right() + 1, 0, m_lineWidth,
                         CellRect(0, m_rowCount - 1).bottom() + 1 + m_lineWidth, LineColour);
    }
    for (int row = 0; row < m_rowCount; ++row) {
        const QRect cell = CellRect(0, row);
        painter.fillRect(0, cell.bottom() + 1, CellRect(m_colCount - 1, 0).right() + 1 + m_lineWidth,
                         m_lineWidth, LineColour);
    }
    update();
}

void DrawGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_canvas, event->rect());
}

void DrawGrid::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    resetCanvas();
}

void DrawGrid::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit mouseDown(event->button(), at.x(), at.y());
}

void DrawGrid::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit mouseUp(event->button(), at.x(), at.y());
}
