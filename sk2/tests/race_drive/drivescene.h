#pragma once

// A race scene for the driving and race-flow tests: a headless screen with a manual clock, tiles drawn
// here with the road where the game's tiles have it, block-shaped cars and cones, the sprites in the
// race's list order, scripted sound, and the settings file in a folder of the test's own.

#include "audio.h"
#include "drivecones.h"
#include "drivefields.h"
#include "driveinput.h"
#include "headless.h"
#include "imagelib.h"
#include "maplib.h"
#include "profile.h"
#include "racerandom.h"
#include "screen.h"
#include "soundlib.h"
#include "spritemgr.h"
#include "trackrecord.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace drivetest {

using namespace sk2;
using namespace sk2::race;

// Palette indexes of the pictures made here.
inline constexpr std::uint8_t Road = 0;
inline constexpr std::uint8_t Grass = 40;
inline constexpr std::uint8_t Pond = 41;
inline constexpr std::uint8_t Car1Colour = 50;
inline constexpr std::uint8_t Car2Colour = 51;
inline constexpr std::uint8_t ConeColour = 52;
inline constexpr std::uint8_t LineColour = 53;

// Sizes of the sprites made here.
inline constexpr int CarWidth = 24;
inline constexpr int CarHeight = 25;
inline constexpr int ConeSide = 15;

// Sound that plays for a set number of IsPlaying questions, recording what it was asked to do.
class ScriptedSound : public dgc::DGCAudioOutput
{
public:
    struct Log
    {
        bool opens = true;
        int pollsPerPlay = 3;    // IsPlaying answers true this many times after Play(once)
        std::vector<int> played; // sounds started once, in order
        std::vector<int> looped; // sounds started in a loop, in order
        std::vector<std::pair<int, int>> pans;
        std::map<int, int> remaining; // IsPlaying answers still true, by sound
        int waitPolls = 0;            // IsPlaying questions answered true
    };
    explicit ScriptedSound(Log &log)
        : m_log(log)
    {}
    bool Open(const std::vector<QByteArray> &) override { return m_log.opens; }
    void Close() override {}
    void Play(int sound, bool looped) override
    {
        (looped ? m_log.looped : m_log.played).push_back(sound);
        m_log.remaining[sound] = looped ? 1 : m_log.pollsPerPlay;
    }
    bool IsPlaying(int sound) const override
    {
        int &left = m_log.remaining[sound];
        if (left <= 0)
            return false;
        ++m_log.waitPolls;
        --left;
        return true;
    }
    void Rewind(int) override {}
    void SetPan(int sound, int pan) override { m_log.pans.emplace_back(sound, pan); }

private:
    Log &m_log;
};

// One tile picture of map value `value` in the game's road geometry.
dgc::TDGCSurface TilePicture(int value, bool small);

class DriveTest : public ::testing::Test
{
protected:
    explicit DriveTest(dgc::TDisplayMode mode = dgc::dm800x600x8);
    void SetUp() override;
    void TearDown() override;

    // Track set-up of the race for a track: map, visited flags, hints, finish line, cars, cones.
    void SetUpRace(const TTrackRec &track);
    // Frame steps 1 and 2: the track and the heads-up boxes.
    void DrawTrack();
    // The game step of one frame after drawing the track; the clock moves on one refresh.
    void RunStep();
    // One whole frame of the race through the screen's frame loop, the devices polled as the race
    // polls them; false once flipping has stopped.
    bool RunFrame(TRaceInputs &inputs);

    dgc::TDGCSprite &Car(int player) { return scene.Car(player); }
    dgc::TDGCSprite &Cone(int i) { return *SpriteMgr1.Sprite(i); }
    // Parks every cone hidden at the top-left corner, still in play, so that none is in the way and
    // none is scattered.
    void ClearCones();
    // The default oval with the race under way: no cone in the way, the start signal over, and every
    // sound request played at once, so that each one shows in the log.
    void SetUpRaceUnderWay();
    // Sets the car's position, direction and speed.
    void Place(int player, int x, int y, int direction, double speed);

    QTemporaryDir folder;
    dgc::TDGCImageLib sprites;
    dgc::TDGCImageLib tiles;
    dgc::TDGCMapLib maps;
    dgc::HeadlessDisplay display;
    dgc::ManualClock clock;
    dgc::TDGCScreen screen;
    dgc::TDGCSpriteMgr SpriteMgr1{&screen};
    dgc::TDGCSpriteMgr SpriteMgr2{&screen};
    dgc::TDGCSoundLib sounds;
    ScriptedSound::Log sound;
    dgc::TDGCAudio audio{std::make_unique<ScriptedSound>(sound)};
    TRaceFields fields;
    FixedSeedRandom random;
    TRaceScene scene{screen, SpriteMgr1, SpriteMgr2, audio, fields, random, {}};
};

// A track record of 20 tile codes, row by row.
TTrackRec TrackOf(std::initializer_list<std::int32_t> codes);

} // namespace drivetest
