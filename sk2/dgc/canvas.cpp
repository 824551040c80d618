#include "canvas.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace sk2::dgc {

namespace {
// The class library counts font sizes at 96 pixels per inch, rounding like MulDiv.
int PointsToPixels(int points)
{
    return (points * 96 + 36) / 72;
}
} // namespace

DGCCanvas::DGCCanvas(TDGCSurface &target, const DGCPalette &palette)
    : m_target(target)
    , m_palette(palette)
{
    m_font.setFamily(QStringLiteral("Arial"));
    m_font.setStyleStrategy(QFont::NoAntialias);
    SetFontSize(10);
}

void DGCCanvas::SetFontName(const QString &family)
{
    m_font.setFamily(family);
}

void DGCCanvas::SetFontSize(int points)
{
    // A size sets the height of the characters themselves.
    m_font.setPixelSize(std::max(PointsToPixels(points), 1));
}

void DGCCanvas::SetFontHeight(int pixels)
{
    // A height sets the height of the whole character cell, leading included: the largest font whose
    // lines are no taller.
    int size = std::max(pixels, 1);
    m_font.setPixelSize(size);
    while (size > 1 && QFontMetrics(m_font).height() > pixels)
        m_font.setPixelSize(--size);
}

int DGCCanvas::TextWidth(const QString &text) const
{
    return QFontMetrics(m_font).horizontalAdvance(text);
}

int DGCCanvas::TextHeight(const QString &) const
{
    return QFontMetrics(m_font).height();
}

void DGCCanvas::TextOut(int x, int y, const QString &text)
{
    const QFontMetrics metrics(m_font);
    const int width = metrics.horizontalAdvance(text);
    const int height = metrics.height();
    if (width <= 0 || height <= 0)
        return;
    // Glyphs may reach a little beyond their advance (italics, overhangs): leave them room.
    const int margin = height / 2;
    QImage picture(width + 2 * margin, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        if (m_brushStyle == BrushStyle::Solid)
            painter.fillRect(margin, 0, width, height, m_brushColor);
        painter.setFont(m_font);
        painter.setPen(m_fontColor);
        painter.drawText(margin, metrics.ascent(), text);
    }
    Stamp(picture, x - margin, y);
}

void DGCCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight)
{
    const int width = x2 - x1;
    const int height = y2 - y1;
    if (width <= 0 || height <= 0)
        return;
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing, false);
        const int pen = std::max(m_penWidth, 1);
        // The outline lies inside the rectangle, as the class library draws it.
        const QRectF inner(pen / 2.0, pen / 2.0, width - pen, height - pen);
        painter.setPen(QPen(m_penColor, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(QBrush(m_brushColor));
        painter.drawRoundedRect(inner, cornerWidth / 2.0, cornerHeight / 2.0);
    }
    Stamp(picture, x1, y1);
}

void DGCCanvas::Stamp(const QImage &picture, int x, int y)
{
    // The palette may have changed since the last drawing (a library loaded): forget old matches.
    if (!(m_nearestFor == m_palette)) {
        m_nearest.clear();
        m_nearestFor = m_palette;
        m_lastIndex = -1;
    }
    // Only the part of the picture that lies on the surface.
    const int left = std::max(0, -x);
    const int right = std::min(picture.width(), m_target.Width() - x);
    const int top = std::max(0, -y);
    const int bottom = std::min(picture.height(), m_target.Height() - y);
    for (int row = top; row < bottom; ++row) {
        const auto *line = reinterpret_cast<const QRgb *>(picture.constScanLine(row));
        std::uint8_t *to = m_target.ScanLine(y + row) + x;
        for (int column = left; column < right; ++column) {
            // Only fully covered pixels are drawn: the picture has no smoothing, so partial ones are
            // rare edge pixels that would otherwise pick odd in-between colours.
            if (qAlpha(line[column]) == 255)
                to[column] = IndexOf(line[column]);
        }
    }
}

std::uint8_t DGCCanvas::LookUp(QRgb colour)
{
    auto found = m_nearest.constFind(colour);
    if (found != m_nearest.constEnd()) {
        m_lastColour = colour;
        m_lastIndex = *found;
        return *found;
    }
    const std::uint8_t index = m_palette.NearestIndex(colour);
    m_nearest.insert(colour, index);
    m_lastColour = colour;
    m_lastIndex = index;
    return index;
}

} // namespace sk2::dgc
