// Whole matches as the players run them: "Start your engines" on the start-up form, and each race on
// the game's own race runner and the real race form, shown modally. Only the machine is scripted: a
// headless display that runs the frame loop as the game's window does, a manual clock, no sound, and
// two road drivers at the keyboard who press Escape on the race-over screen.
#include "racefixture.h"

#include "raceStart.h"
#include "raceflowscreens.h"
#include "raceformrunner.h"
#include "roaddriver.h"
#include "scriptedinput.h"
#include "sk2settings.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include <array>
#include <functional>

namespace {

using namespace sk2;
using namespace sk2::race;
using drivetest::RoadDriver;

// The track file of the tests: the default oval the game creates, and a narrower oval inside it. The
// corners are the tiles (column, row) the drivers steer for, in driving order from the start line.
TTrackRec NarrowOval()
{
    TTrackRec track{};
    SetTrackName(track, QStringLiteral("Narrow Oval"));
    track.Tiles = {
        12, 3, 6,  4, 12, //
        11, 5, 12, 5, 11, //
        12, 5, 11, 5, 12, //
        12, 1, 6,  2, 12,
    };
    return track;
}
const std::array<std::vector<QPoint>, 2> CourseCorners = {{
    {{4, 3}, {4, 0}, {0, 0}, {0, 3}},
    {{3, 3}, {3, 0}, {1, 0}, {1, 3}},
}};
const std::array<QString, 2> TrackNames = {QStringLiteral("My First Track"), QStringLiteral("Narrow Oval")};

// The race form the modal loop is running, if any.
Tskrace2game *RaceOnScreen()
{
    return qobject_cast<Tskrace2game *>(QApplication::activeModalWidget());
}

void PressEscape(QWidget *form)
{
    QCoreApplication::postEvent(form, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
}

// A headless display that runs the screen's own frame loop, so that a race runs inside ShowModal. A
// player who has waited far longer than a one-lap race takes gives up with Escape.
class FrameLoopDisplay final : public dgc::HeadlessDisplay
{
public:
    bool RunsFrameLoop() const override { return true; }
    void WaitForRefresh() override
    {
        HeadlessDisplay::WaitForRefresh();
        if (++m_refreshes == RefreshesBeforeGivingUp)
            if (Tskrace2game *race = RaceOnScreen())
                PressEscape(race);
    }
    void NewRace() { m_refreshes = 0; }

private:
    static constexpr int RefreshesBeforeGivingUp = 8000;
    int m_refreshes = 0;
};

// Two players at one keyboard, on the keys the steering setup form proposes. Each holds a key down
// while a road driver in their seat would steer, speed up or brake that way. They take their seats
// when a race first polls the keyboard, with the course of the race's track at the pace they are given.
class DriversAtTheKeyboard final : public win::KeyStateService
{
public:
    // Called once the drivers are seated in a race.
    std::function<void(Tskrace2game &)> seated;

    void NewRace(double pace1, double pace2)
    {
        m_pace = {pace1, pace2};
        m_drivers = {};
    }
    int CornersPassed(int player) const
    {
        return m_drivers[player - 1] ? m_drivers[player - 1]->WaypointsPassed() : 0;
    }

    bool IsKeyDown(int virtualKey) const override
    {
        if (!m_drivers[0] && !TakeSeats())
            return false;
        for (int player = 1; player <= 2; ++player) {
            const SteeringKeyCodes keys = SetupDefaults::SteeringKeys(player);
            RoadDriver &driver = *m_drivers[player - 1];
            if (virtualKey == keys[0])
                return driver.Left();
            if (virtualKey == keys[1])
                return driver.Right();
            if (virtualKey == keys[2])
                return driver.Up();
            if (virtualKey == keys[3])
                return driver.Down();
        }
        return false;
    }

private:
    // Car 1 starts on the inside of the course and car 2 on the outside. Each keeps to its lane, so that
    // side by side they do not steer into each other for a corner close ahead of the start.
    static constexpr int LaneOffset = 15;
    static std::vector<QPoint> Lane(std::vector<QPoint> corners, int inward)
    {
        QPoint centre;
        for (const QPoint &corner : corners)
            centre += corner;
        centre /= double(corners.size());
        auto toward = [](int from, int to) { return from < to ? 1 : from > to ? -1 : 0; };
        for (QPoint &corner : corners)
            corner += QPoint(toward(corner.x(), centre.x()), toward(corner.y(), centre.y())) * inward;
        return corners;
    }

    bool TakeSeats() const
    {
        Tskrace2game *race = RaceOnScreen();
        if (!race || !race->Car1 || !race->Car2 || race->TrackNo < 0 ||
            race->TrackNo >= int(CourseCorners.size()))
            return false;
        const QSize tile(race->DGCScreen1.Width() / TrackColumns, race->DGCScreen1.Height() / TrackRows);
        const std::vector<QPoint> course = RoadDriver::TileMiddles(CourseCorners[race->TrackNo], tile);
        m_drivers[0] = std::make_unique<RoadDriver>(*race->Car1, Lane(course, LaneOffset), m_pace[0]);
        m_drivers[1] = std::make_unique<RoadDriver>(*race->Car2, Lane(course, -LaneOffset), m_pace[1]);
        if (seated)
            seated(*race);
        return true;
    }

    std::array<double, 2> m_pace{};
    mutable std::array<std::unique_ptr<RoadDriver>, 2> m_drivers;
};

// What the players saw of one race, and what the settings file held while it ran.
struct RaceSeen
{
    int raceNo = 0; // the intro's "Race number : n  of  m"
    int racesInMatch = 0;
    int screenWidth = 0;
    QString track;
    bool startFormHidden = false;
    int lastPicked = -1;
    int score1Before = -1;
    int score2Before = -1;
    bool ended = false;
    bool over = false; // ended on the race-over screen rather than by giving up
    QString title;     // of the race-over screen
    QString scoreLine; // the match score under it
    int laps1 = 0;
    int laps2 = 0;
    int bonus1 = 0;
    int bonus2 = 0;
    int score1After = -1;
    int score2After = -1;
    int cornersPassed1 = 0;
    int cornersPassed2 = 0;
};

class MatchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        win::SetWindowsDirectory(folder.path());
        SetTrackFolder(folder.path());
        OpenTrackFile();
        WriteTrack(1, NarrowOval());
        display.AttachClock(&clock, 16);
        clock.Set(100000);
        const Settings settings;
        // As the steering setup form leaves them when confirmed: player 2 off the arrow keys.
        for (int player = 1; player <= 2; ++player)
            settings.WriteSteeringKeys(player, SetupDefaults::SteeringKeys(player));
        // The totals of an earlier match.
        settings.WriteInteger(Keys::Score(1), 9);
        settings.WriteInteger(Keys::Score(2), 4);

        drivers.seated = [this](Tskrace2game &race) { RaceStarted(race); };
        // Every message box is read and answered with OK, as a player would.
        QObject::connect(&boxWatch, &QTimer::timeout, [this] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible()) {
                    boxes << box->text();
                    box->accept();
                }
            }
        });
        boxWatch.start(5);
    }
    void TearDown() override
    {
        boxWatch.stop();
        form.reset();
        CloseTrackFile();
        SetTrackFolder(QString());
        win::SetWindowsDirectory(QString());
    }

    // The start-up form on the game's race runner, each race on this test's machine.
    void MakeForm()
    {
        form = std::make_unique<TFormRaceDefine>(
            std::make_unique<RaceFormRunner>([this] { return NextRace(); }));
        form->show();
    }
    RacePlatform NextRace()
    {
        const auto [pace1, pace2] = paces.at(racesRun++);
        drivers.NewRace(pace1, pace2);
        display.NewRace();
        RacePlatform platform;
        platform.display = &display;
        platform.clock = &clock;
        platform.audio = std::make_unique<racetest::NoSound>();
        platform.input = &services;
        // Errors go to the game's own error box.
        return platform;
    }

    void RaceStarted(Tskrace2game &race)
    {
        const Settings settings;
        RaceSeen seen;
        seen.raceNo = CurrentRaceNo;
        seen.racesInMatch = RacesInMatch;
        seen.screenWidth = race.DGCScreen1.Width();
        seen.track = TrackName(race.Track);
        seen.startFormHidden = form->isHidden();
        seen.lastPicked = settings.ReadInteger(Keys::LastPicked, -1);
        seen.score1Before = settings.ReadInteger(Keys::Score(1), -1);
        seen.score2Before = settings.ReadInteger(Keys::Score(2), -1);
        races.push_back(seen);
        const std::size_t index = races.size() - 1;
        QObject::connect(&race.DGCScreen1, &dgc::TDGCScreen::FrameLoopEnded, &race,
                         [this, index, &race] { RaceStopped(races[index], race); });
    }
    void RaceStopped(RaceSeen &seen, Tskrace2game &race)
    {
        if (seen.ended)
            return;
        const Settings settings;
        seen.ended = true;
        seen.over = race.RaceIsOver;
        seen.title = race.RaceIsOver ? RaceOverTitle(race) : QString();
        seen.scoreLine = race.RaceIsOver ? MatchScoreLine(race) : QString();
        seen.laps1 = race.Laps1;
        seen.laps2 = race.Laps2;
        seen.bonus1 = race.BonusScore1;
        seen.bonus2 = race.BonusScore2;
        seen.score1After = settings.ReadInteger(Keys::Score(1), -1);
        seen.score2After = settings.ReadInteger(Keys::Score(2), -1);
        seen.cornersPassed1 = drivers.CornersPassed(1);
        seen.cornersPassed2 = drivers.CornersPassed(2);
        PressEscape(&race); // off the race-over screen
    }

    template<typename T> T *Find(const char *name) const
    {
        T *child = form->findChild<T *>(QLatin1String(name));
        EXPECT_TRUE(child) << name;
        return child;
    }
    // Fills in a match of one-lap races between Ada and Bo and starts it.
    void StartMatch(int races, bool cycle, bool smallScreen, int slot1Track)
    {
        Find<QLineEdit>("EditPlayer1")->setText(QStringLiteral("Ada"));
        Find<QLineEdit>("EditPlayer2")->setText(QStringLiteral("Bo"));
        Find<QLineEdit>("EditLaps")->setText(QStringLiteral("1"));
        Find<QLineEdit>("EditRaces")->setText(QString::number(races));
        Find<QRadioButton>(cycle ? "RadioButtonCycle" : "RadioButtonSel")->setChecked(true);
        Find<QRadioButton>(smallScreen ? "item0" : "item1")->setChecked(true);
        Find<QScrollBar>("ScrollBar1")->setValue(slot1Track);
        Find<QPushButton>("BitBtn1")->click();
    }

    QTemporaryDir folder;
    dgc::ManualClock clock;
    FrameLoopDisplay display;
    DriversAtTheKeyboard drivers;
    win::ScriptedPointer pointer;
    win::ScriptedJoysticks joysticks;
    win::InputServices services{drivers, pointer, joysticks};
    QTimer boxWatch;
    QStringList boxes;

    std::vector<std::pair<double, double>> paces; // the drivers' cruising speeds in each race
    int racesRun = 0;
    std::vector<RaceSeen> races;
    std::unique_ptr<TFormRaceDefine> form;
};

TEST_F(MatchTest, TwoOneLapRacesFromStartYourEnginesToTheMatchWinner)
{
    struct Race
    {
        double pace1; // the drivers' cruising speeds
        double pace2;
        int track;
        int score1; // the match totals after the race
        int score2;
    };
    struct Case
    {
        const char *what;
        bool cycle;
        bool smallScreen;
        int slot1Track;
        std::vector<Race> races;
        const char *winner; // none: undecided, no winner panel
        QColor colour;
    };
    const QColor green(0, 128, 0);
    const QColor red(255, 0, 0);
    const Case cases[] = {
        {"cycling, player 1 faster", true, false, 0, {{3, 2, 0, 1, 0}, {3, 2, 1, 2, 0}}, "Ada", green},
        {"first track only, 640 x 480", false, true, 1, {{2, 3, 1, 0, 1}, {2, 3, 1, 0, 2}}, "Bo", red},
        // One lap each is not more than half the match's laps.
        {"cycling, one race each", true, false, 0, {{3, 2, 0, 1, 0}, {2, 3, 1, 1, 1}}, nullptr, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        paces.clear();
        for (const Race &race : c.races)
            paces.emplace_back(race.pace1, race.pace2);
        racesRun = 0;
        races.clear();
        MakeForm();
        StartMatch(2, c.cycle, c.smallScreen, c.slot1Track);

        EXPECT_TRUE(boxes.isEmpty()) << boxes.join(QLatin1Char('\n')).toStdString();
        ASSERT_EQ(races.size(), 2u);
        std::pair<int, int> before{0, 0}; // the earlier match's totals are cleared at the start
        int bonus1 = 0;
        int bonus2 = 0;
        for (std::size_t r = 0; r < races.size(); ++r) {
            SCOPED_TRACE(testing::Message() << "race " << r + 1);
            const RaceSeen &seen = races[r];
            const Race &race = c.races[r];
            EXPECT_EQ(seen.raceNo, int(r) + 1);
            EXPECT_EQ(seen.racesInMatch, 2);
            EXPECT_EQ(seen.screenWidth, c.smallScreen ? 640 : 800);
            EXPECT_TRUE(seen.startFormHidden);
            EXPECT_EQ(seen.lastPicked, race.track);
            EXPECT_EQ(seen.track, TrackNames[race.track]);
            EXPECT_EQ(std::pair(seen.score1Before, seen.score2Before), before);
            ASSERT_TRUE(seen.over) << "laps " << seen.laps1 << " and " << seen.laps2 << ", corners passed "
                                   << seen.cornersPassed1 << " and " << seen.cornersPassed2;
            const bool player1Won = race.score1 > before.first;
            EXPECT_EQ(seen.title, player1Won ? QStringLiteral("Race Over  Ada Won!!")
                                             : QStringLiteral("Race Over  Bo Won!!"));
            EXPECT_GE(player1Won ? seen.cornersPassed1 : seen.cornersPassed2, 4);
            EXPECT_EQ(std::pair(seen.score1After, seen.score2After), std::pair(race.score1, race.score2));
            EXPECT_EQ(
                seen.scoreLine,
                QStringLiteral("Ada : %1  ///\\\\\\///\\\\\\  Bo : %2").arg(race.score1).arg(race.score2));
            before = {race.score1, race.score2};
            bonus1 += seen.bonus1;
            bonus2 += seen.bonus2;
        }

        EXPECT_TRUE(form->isVisible());
        const Settings settings;
        EXPECT_EQ(settings.ReadInteger(Keys::Score(1), -1), c.races.back().score1);
        EXPECT_EQ(settings.ReadInteger(Keys::Score(2), -1), c.races.back().score2);
        EXPECT_EQ(settings.ReadInteger(Keys::LastPicked, -1), c.races.back().track);
        EXPECT_EQ(settings.ReadInteger(Keys::RaceTrack(1), -1), c.slot1Track);
        EXPECT_EQ(Find<QLabel>("Labelcar1BonusScore")->text(), QStringLiteral("%1").arg(bonus1, 8));
        EXPECT_EQ(Find<QLabel>("Labelcar2BonusScore")->text(), QStringLiteral("%1").arg(bonus2, 8));
        EXPECT_EQ(!Find<QWidget>("PanelWinner")->isHidden(), c.winner != nullptr);
        if (c.winner) {
            auto *label = Find<QLabel>("LabelWinner");
            EXPECT_EQ(label->text(), QLatin1String(c.winner));
            EXPECT_EQ(label->palette().color(QPalette::WindowText), c.colour);
        }
        form.reset();
    }
}

TEST_F(MatchTest, ARaceWhoseTrackIsGoneIsReportedAndTheStartUpFormComesBackWithTheSettings)
{
    paces = {{3.0, 2.0}, {3.0, 2.0}};
    MakeForm();
    // The narrow oval leaves the track file after the form has read its picks, as when another copy
    // of the game saves a shorter file.
    ASSERT_TRUE(QFile::resize(TrackFileName(), TrackRecordSize));
    StartMatch(2, true, false, 0);

    // The race form shows the error in the game's error box and closes; the match goes on without it.
    EXPECT_EQ(racesRun, 2);
    EXPECT_EQ(boxes, QStringList{QStringLiteral("Read beyond end of file")});
    ASSERT_EQ(races.size(), 1u); // the second race never started
    EXPECT_TRUE(races[0].over);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(Find<QWidget>("PanelWinner")->isHidden()) << "one lap of a two-race match decides nothing";
    EXPECT_EQ(Find<QLabel>("Labelcar1BonusScore")->text(), QStringLiteral("%1").arg(races[0].bonus1, 8));

    const Settings settings;
    EXPECT_EQ(settings.ReadInteger(Keys::LastPicked, -1), 1);
    EXPECT_EQ(settings.ReadInteger(Keys::Score(1), -1), 1);
    EXPECT_EQ(settings.ReadInteger(Keys::Score(2), -1), 0);
    // The game started again offers the same match.
    form.reset();
    MakeForm();
    EXPECT_EQ(Find<QLineEdit>("EditPlayer1")->text(), QStringLiteral("Ada"));
    EXPECT_EQ(Find<QLineEdit>("EditPlayer2")->text(), QStringLiteral("Bo"));
    EXPECT_EQ(Find<QLineEdit>("EditLaps")->text(), QStringLiteral("1"));
    EXPECT_EQ(Find<QLineEdit>("EditRaces")->text(), QStringLiteral("2"));
    EXPECT_TRUE(Find<QRadioButton>("RadioButtonCycle")->isChecked());
}

} // namespace
