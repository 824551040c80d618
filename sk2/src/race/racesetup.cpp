// The race set-up: run once when the screen is ready (DGCScreen1Initialize).
#include "racecaru2.h"

#include "raceflowscreens.h"
#include "racemode.h"
#include "sk2settings.h"
#include "trackfile.h"

#include <QTimer>

namespace sk2::race {

namespace {
constexpr int CarAnimation = 0;
constexpr int ConeAnimation = 1;
constexpr int FinishAnimation = 4;
constexpr int StartDirection = 8;
constexpr double DesignMaxSpeed = 10;

void AddAnimation(dgc::TDGCSpriteMgr &manager, const char *name, bool loops, int delay,
                  std::vector<int> frames)
{
    manager.AnimationAt(manager.AddAnimation(QString::fromLatin1(name), loops, delay))->SetAllFrames(frames);
}
} // namespace

void Tskrace2game::DGCScreen1Initialize()
{
    try {
        SetUpRace();
    } catch (const std::exception &error) {
        // A race cannot run without its track: the error is shown on the desktop and the form closes.
        DGCScreen1.SetFlippingEnabled(false);
        DGCScreen1.Close();
        ShowError(QString::fromLocal8Bit(error.what()));
        close();
    }
}

void Tskrace2game::SetUpRace()
{
    ReadRaceSettings();
    BuildTrack();
    StartX = FinishLineX(StartType, StartX, TileHeight);
    CreateCarAnimations();
    CreateCars();
    CreateCones();
    CreateFinishLine();
    AddAnimation(DGCSpriteMgr1, "car1hideup", false, 5, {69, 70, 71});
    AddAnimation(DGCSpriteMgr1, "car1showup", false, 5, {72, 73, 74});
    AddAnimation(DGCSpriteMgr1, "car1hidedown", false, 5, {75, 76, 77});
    AddAnimation(DGCSpriteMgr1, "car1showdown", false, 5, {78, 79, 80});
    LastPoll = 0;
    Car1 = static_cast<dgc::TDGCRaceCar *>(DGCSpriteMgr1.Sprite(0));
    Car2 = static_cast<dgc::TDGCRaceCar *>(DGCSpriteMgr2.Sprite(0));
    CreateInputDevices();
    ShowIntro(m_scene, CurrentRaceNo, RacesInMatch);
    DGCScreen1.FadeOut(1);
    DGCScreen1.Flip();
    DGCScreen1.FadeIn(100);
    RoadColour = DGCScreen1.Back().TransparentColor();
}

void Tskrace2game::ReadRaceSettings()
{
    const bool small = DGCScreen1.DisplayMode() == dgc::dm640x480x8;
    const TRaceModeValues mode = RaceModeValues(small, DGCScreen1.Width(), DGCScreen1.Height());
    HudTop = mode.HudTop;
    HudLeft1 = mode.HudLeft1;
    HudLeft2 = mode.HudLeft2;
    CellWidth = mode.CellWidth;
    CellHeight = mode.CellHeight;

    const Settings settings;
    TrackNo = settings.ReadInteger(Keys::LastPicked, RaceDefaults::LastPicked);
    RaceLaps = settings.ReadInteger(Keys::Laps, RaceDefaults::Laps);
    InputDevice1 = settings.ReadInteger(Keys::InputDevice(1), RaceDefaults::InputDevice);
    InputDevice2 = settings.ReadInteger(Keys::InputDevice(2), RaceDefaults::InputDevice);
    Name1 = settings.ReadString(Keys::Name(1), RaceDefaults::Name(1));
    Name2 = settings.ReadString(Keys::Name(2), RaceDefaults::Name(2));
    MatchScore1 = settings.ReadInteger(Keys::Score(1), RaceDefaults::Score);
    MatchScore2 = settings.ReadInteger(Keys::Score(2), RaceDefaults::Score);

    OnLine1 = OnLine2 = false;
    Hidden1 = Hidden2 = false;
    Reappear1 = Reappear2 = false;
    BonusScore1 = BonusScore2 = 0;
    Laps1 = Laps2 = 0;
    ConeCount = 10;
    StartPending = true;

    TileHeight = mode.TileHeight;
    StartX = mode.StartX;
    StartY = mode.StartY;
    MarkerColour = mode.MarkerColour;

    ReadTrack(TrackNo, Track);
}

void Tskrace2game::BuildTrack()
{
    const TTrackSetup setup = sk2::BuildTrack(Track, TileHeight, StartX, StartY);
    for (int column = 0; column < TrackColumns; ++column) {
        for (int row = 0; row < TrackRows; ++row)
            DGCScreen1.SetMapTile(column, row, setup.Map[std::size_t(column)][std::size_t(row)]);
    }
    Visited1 = setup.Visited1;
    Visited2 = setup.Visited2;
    StartY = setup.StartY;
    StartType = setup.StartType;
    HintGrid = setup.HintGrid;
}

void Tskrace2game::CreateCarAnimations()
{
    dgc::DGCAnimation *car1 =
        DGCSpriteMgr1.AnimationAt(DGCSpriteMgr1.AddAnimation(QStringLiteral("car"), true, 100));
    dgc::DGCAnimation *car2 =
        DGCSpriteMgr2.AnimationAt(DGCSpriteMgr2.AddAnimation(QStringLiteral("car"), true, 100));
    for (int d = 0; d < dgc::DirectionCount; ++d) {
        car1->SetFrames(d, {d + 1});
        car2->SetFrames(d, {33 + d});
    }
    AddAnimation(DGCSpriteMgr1, "Cone", true, 100, {65});
    AddAnimation(DGCSpriteMgr1, "SpinCone", false, 60, {65, 66, 67, 68, 65, 66, 67});
    AddAnimation(DGCSpriteMgr1, "SpinCar", false, 1, {4, 8, 12, 16, 20, 24, 28});
    AddAnimation(DGCSpriteMgr2, "SpinCar", false, 1, {37, 41, 45, 49, 53, 57, 61});
}

void Tskrace2game::CreateCars()
{
    const Settings settings;
    const struct
    {
        dgc::TDGCSpriteMgr &manager;
        int offsetY;
        int player;
    } cars[] = {{DGCSpriteMgr1, 20, 1}, {DGCSpriteMgr2, 45, 2}};
    for (const auto &c : cars) {
        dgc::TDGCRaceCar *car = c.manager.AddRaceCar(0, StartX - 35, StartY + c.offsetY, StartDirection,
                                                     DesignMaxSpeed, CarAnimation);
        car->EdgeAction = dgc::EdgeBounce;
        car->SetMaxSpeed(settings.ReadInteger(Keys::TopSpeed(c.player), RaceDefaults::TopSpeed));
        car->TurnDelay = 50;
        car->SetDeceleration(1);
    }
}

void Tskrace2game::CreateCones()
{
    for (int id = 1; id <= ConeCount; ++id) {
        dgc::TDGCBouncer *cone = DGCSpriteMgr1.AddBouncer(id, 1000, 1000, 0, ConeAnimation);
        cone->SetSpeed(0);
        cone->SetMaxSpeed(0);
        cone->SetAcceleration(0);
        cone->SetDeceleration(0);
        cone->EdgeAction = dgc::EdgeBounce;
        cone->Stopped = true;
    }
}

void Tskrace2game::CreateFinishLine()
{
    AddAnimation(DGCSpriteMgr1, "finish", false, 0, {0});
    dgc::TDGCStatic *line = DGCSpriteMgr1.AddStatic(0, StartX, StartY, StartDirection, FinishAnimation);
    line->EdgeAction = dgc::EdgeStopOutside;
}

void Tskrace2game::CreateInputDevices()
{
    const win::InputServices services = m_platform.input ? *m_platform.input : m_systemInput->Services();
    TRaceInputs inputs = race::CreateInputDevices(Settings(), services, InputDevice1, InputDevice2);
    Input1 = std::move(inputs.Input1);
    Input2 = std::move(inputs.Input2);
}

} // namespace sk2::race
