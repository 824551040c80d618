#include "trackpreview.h"

#include <QPainter>

namespace {
constexpr int Columns = 5;
constexpr int ColumnX[Columns] = {1, 22, 43, 64, 86};
constexpr int RowY[4] = {0, 20, 40, 60};
constexpr int CellWidth = 22;
constexpr int CellHeight = 20;
} // namespace

TrackPreview::TrackPreview(QWidget *parent)
    : QWidget(parent)
{}

QRect TrackPreview::CellRect(int index)
{
    return QRect(ColumnX[index % Columns], RowY[index / Columns], CellWidth, CellHeight);
}

void TrackPreview::setCell(int index, const QPixmap &picture, int tag)
{
    m_pictures[index] = picture;
    m_tags[index] = tag;
    update(CellRect(index));
}

void TrackPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (int i = 0; i < Cells; ++i) {
        if (!m_pictures[i].isNull())
            painter.drawPixmap(CellRect(i), m_pictures[i]);
    }
}
