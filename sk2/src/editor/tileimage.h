#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

class QMimeData;

// A picture that can be dragged onto another one: a tile of the editor's palette or a cell of its grid.
// It shows its picture stretched over its whole area and carries a tag, the code of the tile it shows
// (0 for none). Any image can be dragged; an image that accepts drops asks through DragOver whether a
// dragged image may land on it and reports the landing through DragDrop, with the keys held at that
// moment. Only images of the same window are recognised as dragged images.
class TileImage : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int tag READ tag WRITE setTag)

public:
    explicit TileImage(QWidget *parent = nullptr);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    const QImage &picture() const { return m_picture; }
    // Shows the picture at once; a null picture leaves the image blank.
    void setPicture(const QImage &picture);

    // What a drag of this image carries, and the image of the same window a drag names, if any.
    QMimeData *DragData() const;
    TileImage *DraggedImage(const QMimeData *data) const;

signals:
    void DragOver(TileImage *source, bool *accept);
    void DragDrop(TileImage *source, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    bool Accepts(const QMimeData *data);

    int m_tag = 0;
    QImage m_picture;
    QPoint m_pressPos;
    bool m_pressed = false;
};
