#pragma once

// The race form of sk2 and its program-wide variables.
//
// Tskrace2game runs one race on a full-screen 8-bit screen: the start-up form creates a fresh one for
// each race, loads its sound library (and for 640 x 480 its tile library and display mode), shows it
// modally with ShowModal and frees it. Showing it opens the screen, whose OnInitialize runs the set-up
// (racesetup.cpp) and whose frames run the race (raceframe.cpp) until Escape closes the form.
//
// The race's own fields are those of TRaceFields (drivefields.h), which the driving and race-flow
// steps work on; the form adds its components, the track, the devices and the cars.

#include "animation.h"
#include "audio.h"
#include "drivefields.h"
#include "driveinput.h"
#include "imagelib.h"
#include "maplib.h"
#include "raceplatform.h"
#include "screen.h"
#include "soundlib.h"
#include "spritemgr.h"
#include "systeminput.h"
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

namespace sk2::race {

class Tskrace2game : public QDialog, public TRaceFields
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

    // Fields besides those of TRaceFields.
    std::unique_ptr<TInputDevice> Input1; // empty when the player's device code names no device
    std::unique_ptr<TInputDevice> Input2;
    dgc::TDGCRaceCar *Car1 = nullptr;
    dgc::TDGCRaceCar *Car2 = nullptr;
    TTrackRec Track{};
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
    void CreateInputDevices();

    // The frame (raceframe.cpp); the steps themselves are the driving and race-flow steps.
    void PollInput();

    std::unique_ptr<Ui::skrace2game> ui;
    RacePlatform m_platform;
    std::unique_ptr<win::SystemInput> m_systemInput;
    TRaceScene m_scene;
    bool m_screenOpened = false;
};

} // namespace sk2::race
