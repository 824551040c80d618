#pragma once

#include <QRect>

class QFontMetrics;

namespace tesselo {

// The measures of the status line, taken once at start-up with the frame's font: the line height and
// the widths of the labels and of the widest values they stand beside.
struct StatusMeasures
{
    int lineH = 0;   // text height + 8; the status window is this high
    int wDigits = 0; // "000000 "
    int wScore = 0;  // "Score: "
    int wTime = 0;   // "Time: "
    int wPieces = 0; // "Pieces Placed: "
    int wCount = 0;  // "0000/0000"

    static StatusMeasures Measure(const QFontMetrics &metrics);
};

// Where each part of the status line lies in a window `clientWidth` pixels wide. The right part reads
// "Score: ", the score, 20 pixels, "Time: " and the time, with a 10-pixel margin at the right.
struct StatusLayout
{
    StatusMeasures m;

    QRect PiecesText() const;
    int RightPartLeft(int clientWidth) const { return clientWidth - 2 * m.wDigits - m.wTime - m.wScore - 30; }
    int ScoreValueLeft(int clientWidth) const { return RightPartLeft(clientWidth) + m.wScore; }
    int TimeLabelLeft(int clientWidth) const { return ScoreValueLeft(clientWidth) + m.wDigits + 20; }
    int TimeValueLeft(int clientWidth) const { return TimeLabelLeft(clientWidth) + m.wTime; }

    // The areas repainted after a join and at every tick of the play timer.
    QRect ScoreValueArea(int clientWidth) const;
    QRect PiecesValueArea() const;
    QRect TimeValueArea(int clientWidth) const;
};

} // namespace tesselo
