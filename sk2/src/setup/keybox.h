#pragma once

#include <QComboBox>

class QPainter;

// A drop-down list whose items all have one fixed height and are drawn by its owner: the list and the
// closed box alike ask drawItem to draw an item, with the painter's brush already set to the normal or
// the selection background and its pen and font to the box's own.
class KeyBox : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(int itemHeight READ itemHeight WRITE setItemHeight)

public:
    explicit KeyBox(QWidget *parent = nullptr);

    int itemHeight() const { return m_itemHeight; }
    void setItemHeight(int height);

    // Draws item index in rect as the owner wants it.
    void DrawItem(QPainter &painter, int index, const QRect &rect, bool selected);

    // Repaints the closed box and the open list, after something the owner draws from has changed.
    void RedrawItems();

signals:
    void drawItem(KeyBox *box, QPainter *painter, int index, const QRect &rect, bool selected);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_itemHeight = 13;
};
