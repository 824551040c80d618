// What the race draws besides the track and the sprites: the intro screen and the heads-up boxes.
#include "racecaru2.h"

#include "canvas.h"

#include <algorithm>

namespace sk2::race {

namespace {
const QColor Player1Colour(0, 128, 0);
const QColor Player2Colour(255, 0, 0);
const QColor BoxColour(192, 192, 192);
constexpr int HudFontHeight = 16;

// Readies the canvas for a heads-up box of a player: silver inside, pen and text in the player's colour.
dgc::DGCCanvas &HudCanvas(dgc::TDGCScreen &screen, const QColor &colour)
{
    dgc::DGCCanvas &canvas = screen.Canvas();
    canvas.SetBrushStyle(dgc::DGCCanvas::BrushStyle::Solid);
    canvas.SetBrushColor(BoxColour);
    canvas.SetPenColor(colour);
    canvas.SetPenWidth(2);
    canvas.SetFontHeight(HudFontHeight);
    canvas.SetFontColor(colour);
    return canvas;
}

// Draws text centred across a surface of the given width.
void CentredLine(dgc::DGCCanvas &canvas, int width, int y, int points, const QColor &colour,
                 const QString &text)
{
    canvas.SetFontSize(points);
    canvas.SetFontColor(colour);
    canvas.TextOut(width / 2 - canvas.TextWidth(text) / 2, y, text);
}
} // namespace

void Tskrace2game::ShowIntro()
{
    dgc::DGCCanvas &canvas = DGCScreen1.Canvas();
    const int width = DGCScreen1.Back().Width();
    canvas.SetBrushStyle(dgc::DGCCanvas::BrushStyle::Clear);
    canvas.SetFontName(QStringLiteral("Times New Roman"));
    CentredLine(canvas, width, 100, 28, QColor(0, 128, 0), QStringLiteral("SKARVEL"));
    CentredLine(canvas, width, 200, 20, QColor(255, 255, 0), QStringLiteral("Start your engines"));
    CentredLine(canvas, width, 300, 20, QColor(255, 0, 0), QStringLiteral("Press Escape to Quit race"));
    CentredLine(canvas, width, 400, 20, QColor(255, 255, 255),
                QStringLiteral("Race number : %1  of  %2").arg(CurrentRaceNo).arg(RacesInMatch));
}

void Tskrace2game::DrawScoreBox(std::int32_t value, int player)
{
    const int x = player == 1 ? HudLeft1 : HudLeft2;
    dgc::DGCCanvas &canvas = HudCanvas(DGCScreen1, player == 1 ? Player1Colour : Player2Colour);
    canvas.RoundRect(x, HudTop - 2, x + 50, HudTop + 20, 8, 8);
    canvas.TextOut(x + 3, HudTop, QString::asprintf("%.6d", value));
}

void Tskrace2game::DrawLapBox(std::int32_t value, int player)
{
    const int x = player == 1 ? HudLeft1 : HudLeft2;
    dgc::DGCCanvas &canvas = HudCanvas(DGCScreen1, player == 1 ? Player1Colour : Player2Colour);
    canvas.RoundRect(x + 70, HudTop - 2, x + 92, HudTop + 20, 8, 8);
    canvas.TextOut(x + 73, HudTop, QString::asprintf("%.2d", std::max(value, 0)));
}

} // namespace sk2::race
