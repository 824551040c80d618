#pragma once

// DGCCanvas: text and rounded rectangles drawn onto an 8-bit surface, with a font, a brush and a pen
// like the class library's canvas. Colours are asked for in RGB and drawn in the palette colour nearest
// to them; shapes and text are drawn without smoothing, so every pixel is exactly one palette colour.
// The canvas keeps its font, brush and pen from one drawing sequence to the next.

#include "palette.h"
#include "surface.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QString>

namespace sk2::dgc {

class DGCCanvas
{
public:
    enum class BrushStyle { Solid, Clear };

    DGCCanvas(TDGCSurface &target, const DGCPalette &palette);

    // Font: name, size in points (the height of the characters, at 96 pixels per inch as the class
    // library counts them) or height in pixels (the height of a whole line of text), and colour. The
    // default is "Arial" at 10 points in black.
    void SetFontName(const QString &family);
    void SetFontSize(int points);
    void SetFontHeight(int pixels);
    void SetFontColor(const QColor &colour) { m_fontColor = colour; }
    const QFont &Font() const { return m_font; }
    int FontPixelHeight() const { return m_font.pixelSize(); }

    void SetBrushColor(const QColor &colour) { m_brushColor = colour; }
    void SetBrushStyle(BrushStyle style) { m_brushStyle = style; }
    BrushStyle Brush() const { return m_brushStyle; }
    void SetPenColor(const QColor &colour) { m_penColor = colour; }
    void SetPenWidth(int width) { m_penWidth = width; }

    int TextWidth(const QString &text) const;
    int TextHeight(const QString &text) const;

    // Draws text with the top-left corner of its cell at (x, y); with a solid brush the cell is filled
    // with the brush colour first.
    void TextOut(int x, int y, const QString &text);

    // A rectangle from (x1, y1) to (x2, y2) (right and bottom edge excluded) with corners rounded by
    // ellipses of cornerWidth x cornerHeight, filled with the brush and outlined with the pen.
    void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);

private:
    // Stamps the opaque pixels of a picture drawn in RGB onto the surface at (x, y).
    void Stamp(const QImage &picture, int x, int y);
    std::uint8_t IndexOf(QRgb colour)
    {
        // Runs of one colour are the rule (a box's fill, a glyph's strokes).
        return colour == m_lastColour && m_lastIndex >= 0 ? std::uint8_t(m_lastIndex) : LookUp(colour);
    }
    std::uint8_t LookUp(QRgb colour);

    TDGCSurface &m_target;
    const DGCPalette &m_palette;
    QFont m_font;
    QColor m_fontColor = Qt::black;
    QColor m_brushColor = Qt::white;
    BrushStyle m_brushStyle = BrushStyle::Solid;
    QColor m_penColor = Qt::black;
    int m_penWidth = 1;
    QHash<QRgb, std::uint8_t> m_nearest;
    DGCPalette m_nearestFor;
    QRgb m_lastColour = 0;
    int m_lastIndex = -1;
};

} // namespace sk2::dgc
