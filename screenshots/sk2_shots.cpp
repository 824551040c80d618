// sk2 for the README: the start-up form on a fresh track file, with the players' names typed in, and a
// race in progress on the real race form after "Start your engines", both cars on the default oval
// driven by scripted players.
//
//   sk2_shots FOLDER [--check]      writes FOLDER/sk2-start.png and FOLDER/sk2-race.png
//
// The race runs on a headless screen with a manual clock, as the race tests run it: what that screen
// shows is exactly what the player's full-screen window shows, so its picture is saved. The track and
// settings files live in a temporary folder, so the player's own are never touched.
#include "windowshot.h"

#include "headless.h"
#include "profile.h"
#include "raceStart.h"
#include "racecaru2.h"
#include "racerunner.h"
#include "roaddriver.h"
#include "scriptedinput.h"
#include "trackfile.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

using namespace sk2;

namespace {

using NoSound = dgc::NoAudioOutput;

QPoint Middle(const dgc::TDGCSprite &car)
{
    return {car.X() + car.Width() / 2, car.Y() + car.Height() / 2};
}

// Runs each race of the match on the real race form, headless, with two scripted drivers, and saves
// the screen once the race is well under way.
class ScreenshotRaces final : public RaceRunner
{
public:
    explicit ScreenshotRaces(shots::ShotRun &run)
        : m_run(run)
    {}

    Result RunRace(bool smallScreen) override
    {
        if (smallScreen)
            throw std::runtime_error("the race screenshot is taken on the 800 x 600 screen");
        dgc::HeadlessDisplay display;
        dgc::ManualClock clock;
        clock.Set(100000);
        display.AttachClock(&clock, 16); // a 60 Hz screen
        win::KeyStateTable keys;
        win::ScriptedPointer pointer;
        win::ScriptedJoysticks joysticks;
        const win::InputServices services{keys, pointer, joysticks};

        race::RacePlatform platform;
        platform.display = &display;
        platform.clock = &clock;
        platform.audio = std::make_unique<NoSound>();
        platform.input = &services;
        platform.showError = [this](const QString &message) {
            m_run.Fail(QStringLiteral("race: ") + message);
        };
        race::Tskrace2game race(std::move(platform));
        race.OpenScreen();
        if (!race.Car1 || !race.Car2) {
            m_run.Fail(QStringLiteral("the race form made no cars"));
            return {};
        }
        // Green drives a little faster than red.
        race.Input1 = std::make_unique<drivetest::RoadDriver>(
            *race.Car1, drivetest::RoadDriver::DefaultOvalCorners(), 3.2);
        race.Input2 = std::make_unique<drivetest::RoadDriver>(
            *race.Car2, drivetest::RoadDriver::DefaultOvalCorners(), 2.8);

        // The picture is taken eight seconds into the race, or a little later, once the cars are wheel
        // to wheel: a race, not a parade.
        constexpr int Earliest = 480;
        constexpr int Budget = 2000;
        const QPoint start = Middle(*race.Car1);
        bool wheelToWheel = false;
        int frames = 0;
        while (!wheelToWheel && frames < Budget) {
            if (!race.DGCScreen1.StepFrame()) {
                m_run.Fail(QStringLiteral("the race stopped after %1 frames").arg(frames));
                break;
            }
            ++frames;
            wheelToWheel =
                frames >= Earliest && (Middle(*race.Car1) - Middle(*race.Car2)).manhattanLength() < 60;
        }
        if (!wheelToWheel)
            m_run.Fail(QStringLiteral("the cars never met in %1 frames").arg(frames));
        if ((Middle(*race.Car1) - start).manhattanLength() < 200)
            m_run.Fail(QStringLiteral("green has hardly left the start after %1 frames").arg(frames));
        m_run.SavePicture(display.Shown(), QStringLiteral("sk2-race"),
                          QSize(display.Width(), display.Height()));
        race.done(QDialog::Rejected); // Escape: the race ends without a match score
        return {race.BonusScore1, race.BonusScore2};
    }

private:
    shots::ShotRun &m_run;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Skarvel II"));
    shots::ShotRun run(app.arguments(),
                       "Saves sk2-start.png and sk2-race.png: the start-up form and a race in progress.");
    if (!run.usable())
        return 2;
    QTemporaryDir folder;
    if (!folder.isValid()) {
        run.Fail(QStringLiteral("no temporary folder"));
        return run.Finish();
    }
    win::SetWindowsDirectory(folder.filePath(QStringLiteral("windows")));
    SetTrackFolder(folder.path());

    try {
        OpenTrackFile(); // a new track file: the default track, as on the game's first start
        TFormRaceDefine form(std::make_unique<ScreenshotRaces>(run));
        if (!shots::ShowWindow(form)) {
            run.Fail(QStringLiteral("the start-up form was never shown"));
            return run.Finish();
        }
        shots::TypeText(form.findChild<QLineEdit *>(QStringLiteral("EditPlayer1")), QStringLiteral("Ada"));
        shots::TypeText(form.findChild<QLineEdit *>(QStringLiteral("EditPlayer2")), QStringLiteral("Linus"));
        form.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->setFocus(); // off to the start
        run.SaveWindow(form, QStringLiteral("sk2-start"));

        form.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
        CloseTrackFile();
    } catch (const std::exception &error) {
        run.Fail(QString::fromLocal8Bit(error.what()));
    }
    return run.Finish();
}
