#pragma once

// The race form of sk2 and its program-wide variables.
//
// Tskrace2game runs one race on a full-screen 8-bit screen: the start-up form creates a fresh one for
// each race, loads its sound library (and for 640 x 480 its tile library and display mode), shows it
// modally with ShowModal and frees it. Showing it opens the screen, whose OnInitialize runs the set-up
// (racesetup.cpp) and whose frames run the race (raceframe.cpp) until Escape closes the form.
//
// Files by role: racesetup.cpp (set-up and animations), raceframe.cpp (the frame and the game step),
// racecones.cpp (cones), racedisplay.cpp (intro screen and heads-up boxes).

#include "animation.h"
#include "audio.h"
#include "imagelib.h"
#include "maplib.h"
#include "raceplatform.h"
#include "screen.h"
#include "soundlib.h"
#include "spritemgr.h"
#include "tracksetup.h"

#include <QDialog>
#include <QString>

#include <cstdint>
#include <memory>

namespace Ui {
class skrace2game;
}

// Races in the match and the 1-based number of the race being run: set by the start-up form, shown on
// the intro screen.
extern std::int32_t RacesInMatch;
extern std::int32_t CurrentRaceNo;
// The palette index of the underpass marker lines: 31 on 800 x 600 tiles, 245 on 640 x 480 ones.
extern std::uint8_t MarkerColour;
// The steering hints of the race being run.
extern sk2::THintGrid HintGrid;

namespace sk2::race {

class Tskrace2game : public QDialog
{
    Q_OBJECT

public:
    explicit Tskrace2game(QWidget *parent = nullptr);
    explicit Tskrace2game(RacePlatform platform, QWidget *parent = nullptr);
    ~Tskrace2game() override;

    // Shows the form modally; the race runs until the form closes.
    int ShowModal() { return exec(); }
    // Closing the form gives the display and the sound back at once.
    void done(int result) override;
    // What showing the form sets off: audio and screen open, the set-up runs and frames begin. Called
    // from the first show; tests of a form that is not shown may call it themselves.
    void OpenScreen();

    // Components.
    dgc::TDGCScreen DGCScreen1;
    dgc::TDGCImageLib DGCImageLibTrack;
    dgc::TDGCImageLib DGCImageLibSprits;
    dgc::TDGCMapLib DGCMapLib1;
    dgc::TDGCSpriteMgr DGCSpriteMgr1{&DGCScreen1};
    dgc::TDGCSpriteMgr DGCSpriteMgr2{&DGCScreen1};
    dgc::TDGCSoundLib DGCSoundLib1;
    std::unique_ptr<dgc::TDGCAudio> DGCAudio1;

    // Fields.
    std::int32_t MatchScore1 = 0;
    std::int32_t MatchScore2 = 0;
    std::int32_t TrackNo = 0;
    std::int32_t ConeCount = 0;
    std::int32_t BonusScore1 = 0;
    std::int32_t BonusScore2 = 0;
    std::int32_t Laps1 = 0;
    std::int32_t Laps2 = 0;
    std::int32_t HudTop = 0;
    std::int32_t HudLeft1 = 0;
    std::int32_t HudLeft2 = 0;
    bool StartPending = false;
    bool OnLine1 = false;
    bool OnLine2 = false;
    bool Hidden1 = false;
    bool Hidden2 = false;
    bool Reappear1 = false;
    bool Reappear2 = false;
    std::uint32_t LastPoll = 0;
    dgc::TDGCRaceCar *Car1 = nullptr;
    dgc::TDGCRaceCar *Car2 = nullptr;
    std::int32_t RaceLaps = 0;
    std::int32_t WallCount1 = 0;
    std::int32_t WallCount2 = 0;
    std::int32_t StartX = 0;
    std::int32_t StartY = 0;
    QString Name1;
    QString Name2;
    TTrackRec Track{};
    std::uint8_t RoadColour = 0;
    TVisitedFlags Visited1{};
    TVisitedFlags Visited2{};
    std::int32_t CellWidth = 0;
    std::int32_t CellHeight = 0;
    // Set-up values: the tile height of the display mode, the start cell's map value and the players'
    // device codes as read from the settings.
    std::int32_t TileHeight = 0;
    std::int32_t StartType = 0;
    std::int32_t InputDevice1 = 0;
    std::int32_t InputDevice2 = 0;

    // Handlers.
    void DGCScreen1Initialize();
    void DGCScreen1Flip();
    void FormKeyPress(char key);
    void FormDestroy();
    void DGCSpriteMgr1AnimationEnd(dgc::TDGCSprite *sprite);
    void DGCSpriteMgr2AnimationEnd(dgc::TDGCSprite *sprite);

    // The platform's clock, in milliseconds.
    std::uint32_t TickCount() const { return DGCScreen1.TickCount(); }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // A car's move in this frame: its position before MoveAll and its step.
    struct CarStep
    {
        int OldX = 0;
        int OldY = 0;
        int Dx = 0;
        int Dy = 0;
    };

    void LoadDesign();
    void ShowError(const QString &message);

    // Set-up (racesetup.cpp).
    void SetUpRace();
    void ReadRaceSettings();
    void BuildTrack();
    void CreateCarAnimations();
    void CreateCars();
    void CreateCones();
    void CreateFinishLine();

    // The frame (raceframe.cpp).
    void UpdateRace();
    void UpdateCar1();
    void UpdateCar2();
    CarStep MoveCar(dgc::TDGCSpriteMgr &manager, dgc::TDGCRaceCar &car, TVisitedFlags &visited);

    // Cones (racecones.cpp).
    void CheckCones();
    void ScatterCones();

    // Intro screen and heads-up boxes (racedisplay.cpp).
    void ShowIntro();
    void DrawScoreBox(std::int32_t value, int player);
    void DrawLapBox(std::int32_t value, int player);

    CarStep m_step1;
    CarStep m_step2;
    // The image each car showed at the start of UpdateRace.
    int m_carImage1 = -1;
    int m_carImage2 = -1;

    std::unique_ptr<Ui::skrace2game> ui;
    RacePlatform m_platform;
    bool m_screenOpened = false;
};

} // namespace sk2::race
