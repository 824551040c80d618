// Whole races on the real race form, headless: scripted devices, a manual clock, the game's own art.
#include "racefixture.h"

#include "raceflowscreens.h"
#include "roaddriver.h"
#include "scriptedinput.h"
#include "virtualkeys.h"
#include <QKeyEvent>
#include <QSet>

namespace {

using namespace racetest;
using drivetest::RoadDriver;

// Sound that opens and keeps playing every sound once started, until it is closed.
class EndlessSound : public dgc::DGCAudioOutput
{
public:
    bool Open(const std::vector<QByteArray> &) override { return true; }
    void Close() override { m_playing.clear(); }
    void Play(int sound, bool) override { m_playing.insert(sound); }
    bool IsPlaying(int sound) const override { return m_playing.contains(sound); }
    void Rewind(int) override {}
    void SetPan(int, int) override {}

private:
    QSet<int> m_playing;
};

class FormRaceTest : public RaceTest
{
protected:
    void SetUp() override { MakeForm(std::make_unique<NoSound>()); }
    void MakeForm(std::unique_ptr<dgc::DGCAudioOutput> sound)
    {
        RaceTest::SetUp();
        Write("Track", "LastPicked", "0"); // the default oval
        RacePlatform platform;
        platform.display = &display;
        platform.clock = &clock;
        platform.audio = std::move(sound);
        platform.input = &services;
        platform.showError = [this](const QString &message) { errors << message; };
        form = std::make_unique<Tskrace2game>(std::move(platform));
    }
    // Frames until the race is over or the budget is spent; the number of frames run.
    int RunFrames(int budget)
    {
        int frames = 0;
        while (frames < budget && form->DGCScreen1.StepFrame())
            ++frames;
        return frames;
    }

    win::KeyStateTable keys;
    win::ScriptedPointer pointer;
    win::ScriptedJoysticks joysticks;
    win::InputServices services{keys, pointer, joysticks};
};

TEST_F(FormRaceTest, TwoKeyboardPlayersSteerTheirCarsThroughTheFormsFrames)
{
    Tskrace2game &race = *form;
    race.OpenScreen();
    ASSERT_TRUE(race.Input1 && race.Input1->Available);
    ASSERT_TRUE(race.Input2 && race.Input2->Available);
    keys.Press(win::VK_UP); // both players' default gas
    RunFrames(40);
    EXPECT_GT(race.Car1->Speed(), 0.5);
    EXPECT_GT(race.Car2->Speed(), 0.5);
    EXPECT_GT(race.Car1->X(), 427);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(FormRaceTest, ScriptedDriversRaceTheDefaultOvalToTheRaceOverScreenAndTheMatchScore)
{
    Write("Laps", "Laps", "2");
    Write("Match", "score1", "3");
    Write("Match", "score2", "1");
    Tskrace2game &race = *form;
    race.OpenScreen();
    race.Input1 = std::make_unique<RoadDriver>(*race.Car1, RoadDriver::DefaultOvalCorners(), 3.0);
    race.Input2 = std::make_unique<RoadDriver>(*race.Car2, RoadDriver::DefaultOvalCorners(), 2.0);

    const int frames = RunFrames(10000);
    ASSERT_TRUE(race.RaceIsOver) << "after " << frames << " frames, laps " << race.Laps1 << " and "
                                 << race.Laps2;
    EXPECT_EQ(race.Laps1, 2);
    EXPECT_LT(race.Laps2, 2);
    EXPECT_FALSE(race.DGCScreen1.FlippingEnabled());
    EXPECT_EQ(RaceOverTitle(race), QStringLiteral("Race Over  Green Car Won!!"));
    const QByteArray settings = SettingsFile();
    EXPECT_TRUE(settings.contains("score1=5")) << settings.constData();
    EXPECT_TRUE(settings.contains(QByteArray("score2=") + QByteArray::number(1 + race.Laps2)))
        << settings.constData();
    EXPECT_FALSE(race.DGCScreen1.StepFrame()); // no frame follows
    EXPECT_TRUE(errors.isEmpty());
}

class FormRaceSoundTest : public FormRaceTest
{
protected:
    void SetUp() override { MakeForm(std::make_unique<EndlessSound>()); }
};

TEST_F(FormRaceSoundTest, EscapeWhileTheStartSignalPlaysEndsTheWaitAndTheRaceWithoutAMatchScore)
{
    Tskrace2game &race = *form;
    race.DGCSoundLib1.Add(QByteArray("RIFF\x04\x00\x00\x00WAVE", 12));
    for (int n = 1; n < 6; ++n)
        race.DGCSoundLib1.Add(race.DGCSoundLib1.Sound(0));
    race.show(); // Escape closes a form that is on the screen
    race.OpenScreen();
    ASSERT_TRUE(race.DGCAudio1->SoundAvailable());
    // The key reaches the form while the first frame waits for the start signal to end.
    QCoreApplication::postEvent(&race, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    race.DGCScreen1.StepFrame();
    EXPECT_FALSE(race.DGCScreen1.IsOpen());
    EXPECT_FALSE(race.StartPending);
    EXPECT_FALSE(race.DGCScreen1.StepFrame());
    EXPECT_FALSE(SettingsFile().contains("score"));
}

} // namespace
