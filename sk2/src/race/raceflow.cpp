#include "raceflow.h"

#include "audio.h"
#include "drivecar.h"
#include "drivefields.h"
#include "raceflowscreens.h"
#include "raceflowsound.h"
#include "screen.h"
#include "sk2settings.h"
#include "spritemgr.h"

namespace sk2::race {

namespace {

// Directions from straight up clockwise to just short of straight down count as crossing rightward.
void CountLap(std::int32_t &laps, int direction)
{
    if (direction < 15)
        ++laps;
    else if (laps > 0)
        --laps;
}

// The last lap is announced when it begins; the final crossing waits for the signal to end, sounds
// the engine once more and ends the race.
void LapSignals(TRaceScene &scene, std::int32_t laps)
{
    const std::int32_t raceLaps = scene.Fields.RaceLaps;
    if (laps == raceLaps - 1) {
        PlaySound(scene, Sound::Signal, false);
    } else if (laps == raceLaps) {
        PlaySound(scene, Sound::Signal, false);
        WaitWhilePlaying(scene, Sound::Signal);
        PlaySound(scene, Sound::Engine, false);
        RaceOver(scene);
    }
}

bool Car2TouchesFinishLine(const TRaceScene &scene)
{
    const dgc::TDGCSprite &line = scene.FinishLine();
    const dgc::TDGCSprite &car = scene.Car(2);
    const dgc::TDGCSurface *lineImage = line.Image();
    const dgc::TDGCSurface *carImage = scene.SpriteMgr2.ImageFor(scene.Fields.StartImage2);
    return lineImage && carImage &&
           lineImage->Overlaps(line.X(), line.Y(), *carImage, car.X(), car.Y(), true);
}

void ParkCar(dgc::TDGCSprite &car, int x, int y)
{
    car.Stopped = true;
    car.MoveTo(x, y);
}

} // namespace

void UpdateRace(TRaceScene &scene)
{
    TRaceFields &fields = scene.Fields;
    fields.StartImage1 = scene.Car(1).ImageNumber();
    fields.StartImage2 = scene.Car(2).ImageNumber();
    UpdateCar1(scene);
    // After the race-over screen the rest of the step would move the parked cars off the finish line.
    if (fields.RaceIsOver)
        return;
    UpdateCar2(scene);
    SoundStep(scene);
    CarContact(scene);
    ConeHits(scene);
    FinishLineTest2(scene);
}

void UpdateCar1(TRaceScene &scene)
{
    DriveCar(scene, 1);
    FinishLineTest1(scene);
}

void UpdateCar2(TRaceScene &scene)
{
    DriveCar(scene, 2);
}

void SoundStep(TRaceScene &scene)
{
    TRaceFields &fields = scene.Fields;
    if (fields.StartPending) {
        PlaySound(scene, Sound::Signal, false);
        WaitWhilePlaying(scene, Sound::Signal);
        PlaySound(scene, Sound::Start, false);
        fields.StartPending = false;
    } else if (scene.Audio.SoundAvailable() && !SoundPlaying(scene, Sound::Start)) {
        PlaySound(scene, Sound::Engine, true);
    }
}

void FinishLineTest1(TRaceScene &scene)
{
    TRaceFields &fields = scene.Fields;
    if (!scene.SpriteMgr1.SpritesOverlap(scene.FinishLineIndex(), 0)) {
        fields.OnLine1 = false;
        return;
    }
    if (fields.OnLine1 || !AllVisited(fields, 1))
        return;
    CountLap(fields.Laps1, scene.Car(1).Direction());
    fields.OnLine1 = true;
    ClearVisited(fields, 1);
    SetSoundPan(scene, Sound::FinishLine, PanFullLeft);
    PlaySound(scene, Sound::FinishLine, false);
    SetSoundPan(scene, Sound::FinishLine, PanFullRight);
    LapSignals(scene, fields.Laps1);
}

void FinishLineTest2(TRaceScene &scene)
{
    TRaceFields &fields = scene.Fields;
    if (!Car2TouchesFinishLine(scene)) {
        fields.OnLine2 = false;
        return;
    }
    if (!fields.OnLine2 && AllVisited(fields, 2))
        CountLap(fields.Laps2, scene.Car(2).Direction());
    fields.OnLine2 = true;
    ClearVisited(fields, 2);
    PlaySound(scene, Sound::FinishLine, false);
    LapSignals(scene, fields.Laps2);
}

bool AllVisited(const TRaceFields &fields, int player)
{
    const TVisitedFlags &visited = player == 1 ? fields.Visited1 : fields.Visited2;
    for (const auto &column : visited) {
        for (std::uint8_t flag : column) {
            if (flag == NotVisited)
                return false;
        }
    }
    return true;
}

void ClearVisited(TRaceFields &fields, int player)
{
    TVisitedFlags &visited = player == 1 ? fields.Visited1 : fields.Visited2;
    for (auto &column : visited) {
        for (std::uint8_t &flag : column) {
            if (flag == Visited)
                flag = NotVisited;
        }
    }
}

void RaceOver(TRaceScene &scene)
{
    TRaceFields &fields = scene.Fields;
    if (fields.RaceIsOver)
        return;
    fields.RaceIsOver = true;
    for (int i = 1; i <= scene.FinishLineIndex(); ++i) {
        if (dgc::TDGCSprite *sprite = scene.SpriteMgr1.Sprite(i))
            sprite->Visible = false;
    }
    ParkCar(scene.Car(2), fields.StartX, fields.StartY + 45);
    ParkCar(scene.Car(1), fields.StartX, fields.StartY + 20);
    scene.Screen.SetFlippingEnabled(false);
    scene.Screen.Back().Erase(0);

    const Settings settings;
    fields.MatchScore1 += fields.Laps1;
    settings.WriteInteger(Keys::Score(1), fields.MatchScore1);
    fields.MatchScore2 += fields.Laps2;
    settings.WriteInteger(Keys::Score(2), fields.MatchScore2);

    DrawRaceOverScreen(scene);
}

} // namespace sk2::race
