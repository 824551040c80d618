#include "profile.h"
#include "raceStart.h"
#include "racecounters.h"
#include "racerunner.h"
#include "sk2settings.h"
#include "trackfile.h"
#include "trackpreview.h"
#include "trackrecord.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace sk2;

namespace {

// A stand-in for the races: it notes what each race would run on and adds the laps the test gives.
class ScriptedRaces final : public RaceRunner
{
public:
    struct Race
    {
        int lastPicked;
        int raceNo;
        bool smallScreen;
    };
    std::vector<Race> races;
    std::vector<std::pair<int, int>> lapsPerRace; // laps each player completes in race n
    int bonusPerRace = 0;
    bool fail = false;

    Result RunRace(bool smallScreen) override
    {
        if (fail)
            throw std::runtime_error("The race could not start");
        const Settings settings;
        races.push_back({settings.ReadInteger(Keys::LastPicked, -1), CurrentRaceNo, smallScreen});
        if (races.size() <= lapsPerRace.size()) {
            const auto [laps1, laps2] = lapsPerRace[races.size() - 1];
            settings.WriteInteger(Keys::Score(1), settings.ReadInteger(Keys::Score(1), 0) + laps1);
            settings.WriteInteger(Keys::Score(2), settings.ReadInteger(Keys::Score(2), 0) + laps2);
        }
        return {bonusPerRace, 2 * bonusPerRace};
    }
};

class RaceStartTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        win::SetWindowsDirectory(folder.filePath(QStringLiteral("windows")));
        SetTrackFolder(folder.path());
    }
    void TearDown() override
    {
        CloseTrackFile();
        win::SetWindowsDirectory(QString());
        SetTrackFolder(QString());
    }

    // A track file of count tracks named "Track 0", "Track 1", ...
    void MakeTracks(int count)
    {
        OpenTrackFile();
        for (int i = 0; i < count; ++i) {
            TTrackRec track = DefaultTrack();
            SetTrackName(track, QStringLiteral("Track %1").arg(i));
            WriteTrack(i, track);
        }
    }

    std::unique_ptr<TFormRaceDefine> MakeForm()
    {
        auto runner = std::make_unique<ScriptedRaces>();
        races = runner.get();
        return std::make_unique<TFormRaceDefine>(std::move(runner));
    }

    template<typename T> static T *Find(const QWidget &form, const char *name)
    {
        T *child = form.findChild<T *>(QLatin1String(name));
        EXPECT_TRUE(child) << name;
        return child;
    }

    QTemporaryDir folder;
    ScriptedRaces *races = nullptr;
};

} // namespace

TEST_F(RaceStartTest, OpensWithTheDefaultsAndLowersTrackPicksToTheLastTrack)
{
    MakeTracks(2);
    const auto form = MakeForm();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Racing Startup"));
    EXPECT_EQ(form->size(), QSize(620, 433));
    EXPECT_EQ(Find<QLineEdit>(*form, "EditPlayer1")->text(), QString());
    EXPECT_EQ(Find<QLineEdit>(*form, "EditPlayer2")->text(), QString());
    EXPECT_EQ(Find<QLineEdit>(*form, "EditLaps")->text(), QStringLiteral("5"));
    EXPECT_EQ(Find<QLineEdit>(*form, "EditRaces")->text(), QStringLiteral("1"));
    EXPECT_TRUE(Find<QRadioButton>(*form, "RadioButtonSel")->isChecked());
    EXPECT_EQ(Find<QLabel>(*form, "LabelP1input")->text(), QStringLiteral("KeyBoard"));
    EXPECT_EQ(RacesInMatch, 1);
    EXPECT_EQ(form->RaceTrack(), (std::array<int, 5>{0, 0, 1, 1, 1}));
    EXPECT_EQ(Find<QLabel>(*form, "LabelTrack1")->text(), QStringLiteral("Track 0"));
    EXPECT_EQ(Find<QLabel>(*form, "LabelTrack4")->text(), QStringLiteral("Track 1"));
    EXPECT_EQ(Find<QScrollBar>(*form, "ScrollBar4")->maximum(), 1);
    // The preview cells carry the tile codes of the track.
    const TTrackRec oval = DefaultTrack();
    auto *preview = Find<TrackPreview>(*form, "Panel2");
    for (int k = 0; k < TrackPreview::Cells; ++k)
        EXPECT_EQ(preview->tag(k), TileCode(oval, k)) << k;
}

TEST_F(RaceStartTest, WithoutATrackFileEverySlotPicksTrackZero)
{
    const auto form = MakeForm();
    EXPECT_EQ(form->RaceTrack(), (std::array<int, 5>{0, 0, 0, 0, 0}));
}

TEST_F(RaceStartTest, ScrollingASlotShowsAndPicksThatTrack)
{
    MakeTracks(6);
    const auto form = MakeForm();
    Find<QScrollBar>(*form, "ScrollBar3")->setValue(5);
    EXPECT_EQ(form->RaceTrack()[3], 5);
    EXPECT_EQ(Find<QLabel>(*form, "LabelTrack3")->text(), QStringLiteral("Track 5"));
}

TEST_F(RaceStartTest, ACyclingMatchOfFiveRacesUsesSlotsOneToFourThenOne)
{
    MakeTracks(6);
    const Settings settings;
    for (int slot = 1; slot <= 4; ++slot)
        settings.WriteInteger(Keys::RaceTrack(slot), slot + 1);
    const auto form = MakeForm();
    Find<QLineEdit>(*form, "EditRaces")->setText(QStringLiteral("5"));
    Find<QRadioButton>(*form, "RadioButtonCycle")->setChecked(true);
    Find<QPushButton>(*form, "BitBtn1")->click();

    ASSERT_EQ(races->races.size(), 5u);
    const int expected[] = {2, 3, 4, 5, 2};
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(races->races[r].lastPicked, expected[r]) << "race " << r + 1;
        EXPECT_EQ(races->races[r].raceNo, r + 1);
        EXPECT_FALSE(races->races[r].smallScreen);
    }
    EXPECT_EQ(settings.ReadInteger(Keys::Races, 0), 5);
    EXPECT_TRUE(settings.ReadBool(Keys::CycleTracks, false));
}

TEST_F(RaceStartTest, WithoutCyclingEveryRaceUsesTheFirstSlot)
{
    MakeTracks(4);
    const auto form = MakeForm();
    Find<QLineEdit>(*form, "EditRaces")->setText(QStringLiteral("3"));
    Find<QScrollBar>(*form, "ScrollBar1")->setValue(3);
    Find<QPushButton>(*form, "BitBtn1")->click();
    ASSERT_EQ(races->races.size(), 3u);
    for (const auto &race : races->races)
        EXPECT_EQ(race.lastPicked, 3);
}

TEST_F(RaceStartTest, StartWritesTheChoicesAndClearsTheMatchScore)
{
    MakeTracks(3);
    const Settings settings;
    settings.WriteInteger(Keys::Score(1), 9);
    const auto form = MakeForm();
    Find<QLineEdit>(*form, "EditPlayer1")->setText(QStringLiteral("Ada"));
    Find<QLineEdit>(*form, "EditPlayer2")->setText(QStringLiteral("Bo"));
    Find<QLineEdit>(*form, "EditLaps")->setText(QStringLiteral("0"));
    form->findChild<QRadioButton *>(QStringLiteral("item0"))->setChecked(true); // 640 x 480
    Find<QPushButton>(*form, "BitBtn1")->click();

    EXPECT_EQ(settings.ReadString(Keys::Name(1), QString()), QStringLiteral("Ada"));
    EXPECT_EQ(settings.ReadString(Keys::Name(2), QString()), QStringLiteral("Bo"));
    EXPECT_EQ(settings.ReadInteger(Keys::Laps, 0), 3) << "0 laps becomes 3";
    EXPECT_EQ(settings.ReadInteger(Keys::ScreenSize, -1), ScreenSize640x480);
    EXPECT_EQ(settings.ReadInteger(Keys::Score(1), -1), 0);
    EXPECT_EQ(settings.ReadInteger(Keys::RaceTrack(1), -1), 0);
    ASSERT_EQ(races->races.size(), 1u);
    EXPECT_TRUE(races->races[0].smallScreen);
}

TEST_F(RaceStartTest, TheWinnerPanelAndTheBonusTotals)
{
    struct Case
    {
        const char *what;
        int racesInMatch;
        std::vector<std::pair<int, int>> laps;
        QString winner; // empty: no panel
        QColor colour;
    };
    const Case cases[] = {
        {"one race decided", 1, {{2, 1}}, QStringLiteral("Ada"), QColor(0, 128, 0)},
        {"6:6 over four races", 4, {{3, 0}, {0, 3}, {3, 0}, {0, 3}}, QString(), {}},
        {"7:6", 4, {{3, 0}, {0, 3}, {3, 0}, {1, 3}}, QStringLiteral("Ada"), QColor(0, 128, 0)},
        {"6:7", 4, {{3, 0}, {0, 3}, {3, 1}, {0, 3}}, QStringLiteral("Bo"), QColor(255, 0, 0)},
        {"7:7", 4, {{3, 1}, {0, 3}, {3, 0}, {1, 3}}, QStringLiteral("Tied!"), QColor(0, 0, 0)},
        {"no laps", 2, {{0, 0}, {0, 0}}, QString(), {}},
    };
    MakeTracks(1);
    for (const Case &c : cases) {
        const auto form = MakeForm();
        races->lapsPerRace = c.laps;
        races->bonusPerRace = 5;
        Find<QLineEdit>(*form, "EditPlayer1")->setText(QStringLiteral("Ada"));
        Find<QLineEdit>(*form, "EditPlayer2")->setText(QStringLiteral("Bo"));
        Find<QLineEdit>(*form, "EditLaps")->setText(QStringLiteral("3"));
        Find<QLineEdit>(*form, "EditRaces")->setText(QString::number(c.racesInMatch));
        Find<QPushButton>(*form, "BitBtn1")->click();

        auto *panel = Find<QWidget>(*form, "PanelWinner");
        EXPECT_EQ(!panel->isHidden(), !c.winner.isEmpty()) << c.what;
        if (!c.winner.isEmpty()) {
            auto *label = Find<QLabel>(*form, "LabelWinner");
            EXPECT_EQ(label->text(), c.winner) << c.what;
            EXPECT_EQ(label->palette().color(QPalette::WindowText), c.colour) << c.what;
        }
        EXPECT_EQ(Find<QLabel>(*form, "Labelcar1BonusScore")->text(),
                  QStringLiteral("%1").arg(5 * c.racesInMatch, 8))
            << c.what;
        EXPECT_EQ(Find<QLabel>(*form, "Labelcar2BonusScore")->text(),
                  QStringLiteral("%1").arg(10 * c.racesInMatch, 8))
            << c.what;
    }
}

TEST_F(RaceStartTest, ARaceThatCannotRunIsReportedAndTheFormComesBack)
{
    MakeTracks(1);
    const auto form = MakeForm();
    form->show();
    races->fail = true;
    QString shown;
    QTimer::singleShot(0, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible()) {
                shown = box->text();
                box->accept();
            }
        }
    });
    Find<QPushButton>(*form, "BitBtn1")->click();
    EXPECT_EQ(shown, QStringLiteral("The race could not start."));
    EXPECT_TRUE(form->isVisible());
}
