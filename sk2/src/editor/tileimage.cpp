#include "tileimage.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>

namespace {

const QString TileMimeType = QStringLiteral("application/x-skarvel-tile-image");

// Names the window as well as the image, so that a drag from another editor is not taken for ours.
QByteArray DragKey(const QWidget *image)
{
    return QByteArray::number(quintptr(image->window()), 16) + '/' + image->objectName().toUtf8();
}

} // namespace

TileImage::TileImage(QWidget *parent)
    : QWidget(parent)
{}

void TileImage::setPicture(const QImage &picture)
{
    m_picture = picture;
    repaint();
}

QMimeData *TileImage::DragData() const
{
    auto *data = new QMimeData;
    data->setData(TileMimeType, DragKey(this));
    return data;
}

TileImage *TileImage::DraggedImage(const QMimeData *data) const
{
    if (!data || !data->hasFormat(TileMimeType))
        return nullptr;
    const QList<QByteArray> key = data->data(TileMimeType).split('/');
    if (key.size() != 2 || key[0] != QByteArray::number(quintptr(window()), 16))
        return nullptr;
    return window()->findChild<TileImage *>(QString::fromUtf8(key[1]));
}

void TileImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_picture.isNull()) {
        painter.drawImage(rect(), m_picture);
    } else if (acceptDrops()) {
        // An empty cell of the grid: a faint outline shows where a tile can go.
        painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TileImage::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    m_pressPos = event->position().toPoint();
}

void TileImage::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - m_pressPos).manhattanLength() < QApplication::startDragDistance())
        return;
    m_pressed = false;
    auto *drag = new QDrag(this);
    drag->setMimeData(DragData());
    if (!m_picture.isNull()) {
        drag->setPixmap(QPixmap::fromImage(m_picture.scaled(size())));
        drag->setHotSpot(m_pressPos);
    }
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

bool TileImage::Accepts(const QMimeData *data)
{
    TileImage *source = DraggedImage(data);
    bool accept = false;
    if (source)
        emit DragOver(source, &accept);
    return accept;
}

void TileImage::dragEnterEvent(QDragEnterEvent *event)
{
    if (Accepts(event->mimeData()))
        event->acceptProposedAction();
}

void TileImage::dragMoveEvent(QDragMoveEvent *event)
{
    if (Accepts(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TileImage::dropEvent(QDropEvent *event)
{
    TileImage *source = DraggedImage(event->mimeData());
    if (!source || !Accepts(event->mimeData()))
        return;
    event->acceptProposedAction();
    emit DragDrop(source, event->modifiers());
}
