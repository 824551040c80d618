#pragma once

#include <QPixmap>
#include <QWidget>

#include <array>

// A small picture of a track: 20 tile pictures in 5 columns and 4 rows, each stretched over its cell.
// Each cell keeps the tile code it shows as its tag.
class TrackPreview : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Cells = 20;

    explicit TrackPreview(QWidget *parent = nullptr);

    void setCell(int index, const QPixmap &picture, int tag);
    int tag(int index) const { return m_tags[index]; }
    const QPixmap &picture(int index) const { return m_pictures[index]; }

    // Where cell index (0..19, row by row) lies in the preview.
    static QRect CellRect(int index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::array<QPixmap, Cells> m_pictures;
    std::array<int, Cells> m_tags{};
};
