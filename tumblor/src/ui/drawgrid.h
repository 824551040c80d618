#pragma once

#include <QImage>
#include <QWidget>

// A grid of equal cells separated by one-pixel lines, drawn on a canvas that keeps whatever is painted on
// it until it is painted over. The game paints its pictures into the cells through canvas(); the grid
// itself only lays down the background and the lines, and never draws over the cells afterwards.
// Mouse presses and releases are passed on with their pixel position in the grid.
class DrawGrid : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int colCount READ colCount WRITE setColCount)
    Q_PROPERTY(int rowCount READ rowCount WRITE setRowCount)
    Q_PROPERTY(int defaultColWidth READ defaultColWidth WRITE setDefaultColWidth)
    Q_PROPERTY(int defaultRowHeight READ defaultRowHeight WRITE setDefaultRowHeight)
    Q_PROPERTY(int gridLineWidth READ gridLineWidth WRITE setGridLineWidth)

public:
    explicit DrawGrid(QWidget *parent = nullptr);

    int colCount() const { return m_colCount; }
    int rowCount() const { return m_rowCount; }
    int defaultColWidth() const { return m_colWidth; }
    int defaultRowHeight() const { return m_rowHeight; }
    int gridLineWidth() const { return m_lineWidth; }
    void setColCount(int count);
    void setRowCount(int count);
    void setDefaultColWidth(int width);
    void setDefaultRowHeight(int height);
    void setGridLineWidth(int width);

    // The rectangle of the cell in zero-based column and row.
    QRect CellRect(int col, int row) const;

    // What the grid shows. Paint on it, then call update() to have it shown.
    QImage &canvas() { return m_canvas; }
    const QImage &canvas() const { return m_canvas; }

signals:
    void mouseDown(Qt::MouseButton button, int x, int y);
    void mouseUp(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void resetCanvas();

    int m_colCount = 5;
    int m_rowCount = 5;
    int m_colWidth = 64;
    int m_rowHeight = 24;
    int m_lineWidth = 1;
    QImage m_canvas;
};
