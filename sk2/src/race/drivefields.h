#pragma once

// The race's own state that driving, track contact and the race flow read and write, under the names
// the race form gives its fields, and TRaceScene: that state together with the screen, the two sprite
// managers and the audio it acts on. The race form owns both; tests build them around a headless
// screen.

#include "tilehints.h"
#include "tracksetup.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace sk2::dgc {
class TDGCAudio;
class TDGCScreen;
class TDGCSprite;
class TDGCSpriteMgr;
} // namespace sk2::dgc

// The palette index of the underpass marker lines (31 on 800 x 600 tiles, 245 on 640 x 480 ones) and
// the steering hints of the race being run: program-wide, set by each race's set-up.
extern std::uint8_t MarkerColour;
extern sk2::THintGrid HintGrid;

namespace sk2::race {

class RaceRandom;

// Animations of sprite manager 1 that driving starts (car 2's manager has only "car", index 0).
namespace Animation {
inline constexpr int Car = 0;
inline constexpr int Cone = 1;
inline constexpr int SpinCone = 2;
inline constexpr int Finish = 4;
} // namespace Animation

// Where a car was before this frame's move and how far the move took it.
struct TCarStep
{
    int OldX = 0;
    int OldY = 0;
    int Dx = 0;
    int Dy = 0;
};

struct TRaceFields
{
    std::int32_t MatchScore1 = 0;
    std::int32_t MatchScore2 = 0;
    std::int32_t TrackNo = 1;
    std::int32_t ConeCount = 10;
    std::int32_t BonusScore1 = 0;
    std::int32_t BonusScore2 = 0;
    std::int32_t Laps1 = 0;
    std::int32_t Laps2 = 0;
    std::int32_t HudTop = 0;
    std::int32_t HudLeft1 = 0;
    std::int32_t HudLeft2 = 0;
    bool StartPending = true;
    bool OnLine1 = false;
    bool OnLine2 = false;
    bool Hidden1 = false;
    bool Hidden2 = false;
    bool Reappear1 = false;
    bool Reappear2 = false;
    std::uint32_t LastPoll = 0;
    std::int32_t RaceLaps = 4;
    std::int32_t WallCount1 = 0;
    std::int32_t WallCount2 = 0;
    std::int32_t StartX = 0;
    std::int32_t StartY = 0;
    QString Name1;
    QString Name2;
    std::uint8_t RoadColour = 0;
    TVisitedFlags Visited1{};
    TVisitedFlags Visited2{};
    std::int32_t CellWidth = 40;
    std::int32_t CellHeight = 30;

    // Within one frame: each car's move, and the image each car showed when the game step began.
    TCarStep Step1;
    TCarStep Step2;
    int StartImage1 = -1;
    int StartImage2 = -1;
    // Set once the race-over screen has been drawn; nothing moves the parked cars afterwards.
    bool RaceIsOver = false;
};

// One player's share of the fields, so that a step written once serves both players.
struct TPlayerFields
{
    int Player;
    std::int32_t &Laps;
    std::int32_t &BonusScore;
    std::int32_t &WallCount;
    bool &OnLine;
    bool &Hidden;
    bool &Reappear;
    TVisitedFlags &Visited;
    TCarStep &Step;
    int &StartImage;
};

TPlayerFields PlayerFields(TRaceFields &fields, int player);

struct TRaceScene
{
    dgc::TDGCScreen &Screen;
    dgc::TDGCSpriteMgr &SpriteMgr1; // car 1, the cones 1..ConeCount, the finish line
    dgc::TDGCSpriteMgr &SpriteMgr2; // car 2
    dgc::TDGCAudio &Audio;
    TRaceFields &Fields;
    RaceRandom &Random;
    // Lets the application handle pending messages while the race waits for a sound to end.
    std::function<void()> ProcessMessages;

    dgc::TDGCSprite &Car(int player) const;
    dgc::TDGCSpriteMgr &SpriteMgr(int player) const;
    // The finish line: the sprite after the cones in manager 1.
    dgc::TDGCSprite &FinishLine() const;
    int FinishLineIndex() const { return Fields.ConeCount + 1; }
};

} // namespace sk2::race
