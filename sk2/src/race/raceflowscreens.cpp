#include "raceflowscreens.h"

#include "drivefields.h"
#include "screen.h"

#include <QColor>

#include <algorithm>

namespace sk2::race {

namespace {

const QString ScreenFont = QStringLiteral("Times New Roman");

const QColor DarkGreen(0, 128, 0);
const QColor Green(0, 255, 0);
const QColor Yellow(255, 255, 0);
const QColor Red(255, 0, 0);
const QColor White(255, 255, 255);
const QColor Grey(128, 128, 128);
const QColor Silver(192, 192, 192);

int CentredX(dgc::DGCCanvas &canvas, int width, const QString &text)
{
    return width / 2 - canvas.TextWidth(text) / 2;
}

void CentredText(TRaceScene &scene, int y, const QString &text, int points, const QColor &colour)
{
    dgc::DGCCanvas &canvas = scene.Screen.Canvas();
    canvas.SetFontSize(points);
    canvas.SetFontColor(colour);
    canvas.TextOut(CentredX(canvas, scene.Screen.Back().Width(), text), y, text);
}

// A line drawn centred, then again 2 pixels right and 1 pixel lower in its second colour.
void ShadowedText(TRaceScene &scene, int y, const QString &text, int points, const QColor &first,
                  const QColor &second)
{
    dgc::DGCCanvas &canvas = scene.Screen.Canvas();
    canvas.SetFontSize(points);
    const int x = CentredX(canvas, scene.Screen.Back().Width(), text);
    canvas.SetFontColor(first);
    canvas.TextOut(x, y, text);
    canvas.SetFontColor(second);
    canvas.TextOut(x + 2, y + 1, text);
}

// Sets up the canvas for a heads-up box of player and returns the box's left edge.
int PrepareBox(TRaceScene &scene, int player)
{
    dgc::DGCCanvas &canvas = scene.Screen.Canvas();
    const QColor &colour = player == 1 ? DarkGreen : Red;
    canvas.SetBrushStyle(dgc::DGCCanvas::BrushStyle::Solid);
    canvas.SetBrushColor(Silver);
    canvas.SetPenWidth(2);
    canvas.SetPenColor(colour);
    canvas.SetFontHeight(16);
    canvas.SetFontColor(colour);
    return player == 1 ? scene.Fields.HudLeft1 : scene.Fields.HudLeft2;
}

} // namespace

QString RaceNumberText(std::int32_t currentRaceNo, std::int32_t racesInMatch)
{
    return QStringLiteral("Race number : %1  of  %2").arg(currentRaceNo).arg(racesInMatch);
}

void ShowIntro(TRaceScene &scene, std::int32_t currentRaceNo, std::int32_t racesInMatch)
{
    dgc::DGCCanvas &canvas = scene.Screen.Canvas();
    canvas.SetBrushStyle(dgc::DGCCanvas::BrushStyle::Clear);
    canvas.SetFontName(ScreenFont);
    CentredText(scene, 100, QStringLiteral("SKARVEL"), 28, DarkGreen);
    CentredText(scene, 200, QStringLiteral("Start your engines"), 20, Yellow);
    CentredText(scene, 300, QStringLiteral("Press Escape to Quit race"), 20, Red);
    CentredText(scene, 400, RaceNumberText(currentRaceNo, racesInMatch), 20, White);
}

QString ScoreBoxText(std::int32_t value)
{
    return QString::asprintf("%.6d", int(value));
}

QString LapBoxText(std::int32_t value)
{
    return QString::asprintf("%.2d", int(std::max(value, 0)));
}

void DrawScoreBox(TRaceScene &scene, std::int32_t value, int player)
{
    const int x = PrepareBox(scene, player);
    const int top = scene.Fields.HudTop;
    dgc::DGCCanvas &canvas = scene.Screen.Canvas();
    canvas.RoundRect(x, top - 2, x + 50, top + 20, 8, 8);
    canvas.TextOut(x + 3, top, ScoreBoxText(value));
}

void DrawLapBox(TRaceScene &scene, std::int32_t value, int player)
{
    const int x = PrepareBox(scene, player);
    const int top = scene.Fields.HudTop;
    dgc::DGCCanvas &canvas = scene.Screen.Canvas();
    canvas.RoundRect(x + 70, top - 2, x + 92, top + 20, 8, 8);
    canvas.TextOut(x + 73, top, LapBoxText(value));
}

void DrawHeadsUp(TRaceScene &scene)
{
    const TRaceFields &fields = scene.Fields;
    DrawScoreBox(scene, fields.BonusScore1, 1);
    DrawScoreBox(scene, fields.BonusScore2, 2);
    DrawLapBox(scene, fields.Laps1, 1);
    DrawLapBox(scene, fields.Laps2, 2);
}

QString RaceOverTitle(const TRaceFields &fields)
{
    const QString &winner = fields.Laps1 >= fields.RaceLaps ? fields.Name1 : fields.Name2;
    return QStringLiteral("Race Over  ") + winner + QStringLiteral(" Won!!");
}

QString MatchScoreLine(const TRaceFields &fields)
{
    return fields.Name1 + QStringLiteral(" : ") + QString::number(fields.MatchScore1) +
           QStringLiteral("  ///\\\\\\///\\\\\\  ") + fields.Name2 + QStringLiteral(" : ") +
           QString::number(fields.MatchScore2);
}

void DrawRaceOverScreen(TRaceScene &scene)
{
    const int height = scene.Screen.Back().Height();
    dgc::DGCCanvas &canvas = scene.Screen.Canvas();
    canvas.SetBrushStyle(dgc::DGCCanvas::BrushStyle::Clear);
    canvas.SetFontName(ScreenFont);
    ShadowedText(scene, height / 2 - 130, RaceOverTitle(scene.Fields), 24, DarkGreen, Green);
    ShadowedText(scene, height / 2 - 90, QStringLiteral("** Match Score **"), 16, DarkGreen, Green);
    ShadowedText(scene, height / 2 - 60, MatchScoreLine(scene.Fields), 16, Green, Green);
    ShadowedText(scene, height - 130, QStringLiteral("Press Esc To Exit"), 16, Grey, White);
}

} // namespace sk2::race
