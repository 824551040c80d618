#include "statuslayout.h"

#include <QFontMetrics>

namespace tesselo {

namespace {

// The advance, not the ink: the trailing spaces of "000000 " and "Score: " are part of the width.
int TextWidth(const QFontMetrics &metrics, const char *text)
{
    return metrics.horizontalAdvance(QString::fromLatin1(text));
}

// A rectangle given by its left, top, right and bottom edges, the right and bottom ones outside it.
QRect Span(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

QRect StatusLayout::PiecesText() const
{
    return Span(10, 4, 500, m.lineH + 4);
}

StatusMeasures StatusMeasures::Measure(const QFontMetrics &metrics)
{
    StatusMeasures m;
    m.lineH = metrics.height() + 8;
    m.wDigits = TextWidth(metrics, "000000 ");
    m.wScore = TextWidth(metrics, "Score: ");
    m.wTime = TextWidth(metrics, "Time: ");
    m.wPieces = TextWidth(metrics, "Pieces Placed: ");
    m.wCount = TextWidth(metrics, "0000/0000");
    return m;
}

QRect StatusLayout::ScoreValueArea(int clientWidth) const
{
    const int left = clientWidth - 2 * m.wDigits - 30 - m.wTime;
    return Span(left, 4, left + m.wDigits, m.lineH + 4);
}

QRect StatusLayout::PiecesValueArea() const
{
    return Span(m.wPieces + 10, 4, m.wPieces + m.wCount + 10, m.lineH + 4);
}

QRect StatusLayout::TimeValueArea(int clientWidth) const
{
    return Span(clientWidth - m.wDigits - 10, 4, clientWidth, m.lineH + 4);
}

} // namespace tesselo
