#include "drivescene.h"

#include "drivecones.h"
#include "raceflow.h"
#include "raceflowscreens.h"
#include "racemode.h"
#include "tracksetup.h"

namespace drivetest {

namespace {

struct RoadGeometry
{
    int width, height;
    int westEastTop, westEastBottom;     // rows of the west-east road
    int northSouthLeft, northSouthRight; // columns of the north-south road
    int markerTop[2], markerBottom[2];   // the crossing's two marker bars
    int bandTop[2], bandBottom[2];       // and the bands beside its west-east road
};

const RoadGeometry Large{160, 150, 33, 116, 38, 121, {17, 121}, {28, 132}, {29, 117}, {32, 120}};
const RoadGeometry Small{128, 120, 18, 101, 22, 105, {4, 105}, {14, 115}, {15, 102}, {17, 104}};

void Fill(dgc::TDGCSurface &tile, int left, int top, int right, int bottom, std::uint8_t index)
{
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x)
            tile.SetPixel(x, y, index);
    }
}

void AddAnimation(dgc::TDGCSpriteMgr &manager, const char *name, bool loops, int delay,
                  const std::vector<int> &frames)
{
    manager.AnimationAt(manager.AddAnimation(QString::fromLatin1(name), loops, delay))->SetAllFrames(frames);
}

QByteArray SilentWave()
{
    QByteArray wave("RIFF\x04\x00\x00\x00WAVE", 12);
    return wave;
}

} // namespace

dgc::TDGCSurface TilePicture(int value, bool small)
{
    const RoadGeometry &g = small ? Small : Large;
    dgc::TDGCSurface tile(g.width, g.height, Grass);
    const int right = g.width - 1;
    const int bottom = g.height - 1;
    auto westEast = [&](int left, int right) {
        Fill(tile, left, g.westEastTop, right, g.westEastBottom, Road);
    };
    auto northSouth = [&](int top, int bottom) {
        Fill(tile, g.northSouthLeft, top, g.northSouthRight, bottom, Road);
    };
    switch (value) {
    case 0: // north-east
        northSouth(0, g.westEastBottom);
        westEast(g.northSouthLeft, right);
        break;
    case 1: // north-west
        northSouth(0, g.westEastBottom);
        westEast(0, g.northSouthRight);
        break;
    case 2: // south-east
        northSouth(g.westEastTop, bottom);
        westEast(g.northSouthLeft, right);
        break;
    case 3: // south-west
        northSouth(g.westEastTop, bottom);
        westEast(0, g.northSouthRight);
        break;
    case 4:
        northSouth(0, bottom);
        break;
    case 5:
        westEast(0, right);
        break;
    case 6: {
        const std::uint8_t marker = small ? 245 : 31;
        northSouth(0, g.markerTop[0] - 1);
        Fill(tile, g.northSouthLeft, g.markerTop[0], g.northSouthRight, g.markerBottom[0], marker);
        Fill(tile, g.northSouthLeft, g.markerTop[1], g.northSouthRight, g.markerBottom[1], marker);
        northSouth(g.markerBottom[1] + 1, bottom);
        westEast(0, right);
        break;
    }
    case 7:
        Fill(tile, 50, 50, 100, 90, Pond);
        break;
    default:
        break;
    }
    return tile;
}

DriveTest::DriveTest(dgc::TDisplayMode mode)
{
    dgc::DGCPalette palette;
    const QRgb standard[16] = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    palette.SetColour(Road, qRgb(48, 48, 52));
    for (int i = 0; i < 16; ++i)
        palette.SetColour(1 + i, standard[i]);
    palette.SetColour(31, qRgb(18, 18, 22));
    palette.SetColour(245, qRgb(18, 18, 22));
    palette.SetColour(Grass, qRgb(40, 150, 60));
    palette.SetColour(Pond, qRgb(30, 60, 170));
    palette.SetColour(Car1Colour, qRgb(20, 200, 40));
    palette.SetColour(Car2Colour, qRgb(220, 30, 30));
    palette.SetColour(ConeColour, qRgb(250, 140, 0));
    palette.SetColour(LineColour, qRgb(240, 240, 240));

    sprites.SetPalette(palette);
    tiles.SetPalette(palette);
    sprites.Add(dgc::TDGCSurface(8, 80, LineColour));
    for (int d = 0; d < 32; ++d)
        sprites.Add(dgc::TDGCSurface(CarWidth, CarHeight, Car1Colour));
    for (int d = 0; d < 32; ++d)
        sprites.Add(dgc::TDGCSurface(CarWidth, CarHeight, Car2Colour));
    for (int n = 65; n <= 68; ++n)
        sprites.Add(dgc::TDGCSurface(ConeSide, ConeSide, ConeColour));
    for (int n = 69; n <= 80; ++n)
        sprites.Add(dgc::TDGCSurface(CarWidth, CarHeight, Car1Colour));
    const bool small = mode == dgc::dm640x480x8;
    for (int value = 0; value <= 8; ++value)
        tiles.Add(TilePicture(value, small));
    maps.AddMap(TrackColumns, TrackRows);
    for (int n = 0; n < 6; ++n)
        sounds.Add(SilentWave());

    screen.SetDisplayMode(mode);
    screen.SetImageLibrary(&sprites);
    screen.SetTileLibrary(&tiles);
    screen.SetMapLibrary(&maps);
    screen.SetDisplay(&display);
    screen.SetClock(&clock);
    display.AttachClock(&clock, 16);
    clock.Set(100000);
    audio.SetSoundLibrary(&sounds);
}

void DriveTest::SetUp()
{
    ASSERT_TRUE(folder.isValid());
    win::SetWindowsDirectory(folder.path());
    audio.Open();
    screen.Open();
}

void DriveTest::TearDown()
{
    win::SetWindowsDirectory(QString());
}

void DriveTest::SetUpRace(const TTrackRec &track)
{
    const bool small = screen.DisplayMode() == dgc::dm640x480x8;
    const TRaceModeValues mode = RaceModeValues(small, screen.Width(), screen.Height());
    const TTrackSetup setup = SetUpTrack(track, mode);
    for (int column = 0; column < TrackColumns; ++column) {
        for (int row = 0; row < TrackRows; ++row)
            screen.SetMapTile(column, row, setup.Map[std::size_t(column)][std::size_t(row)]);
    }
    fields.HudTop = mode.HudTop;
    fields.HudLeft1 = mode.HudLeft1;
    fields.HudLeft2 = mode.HudLeft2;
    fields.CellWidth = setup.CellWidth;
    fields.CellHeight = setup.CellHeight;
    MarkerColour = mode.MarkerColour;
    fields.StartX = setup.StartX;
    fields.StartY = setup.StartY;
    fields.Visited1 = setup.Visited1;
    fields.Visited2 = setup.Visited2;
    HintGrid = setup.HintGrid;
    fields.Name1 = QStringLiteral("Green Car");
    fields.Name2 = QStringLiteral("Red Car");

    auto *car1 = SpriteMgr1.AnimationAt(SpriteMgr1.AddAnimation(QStringLiteral("car"), true, 100));
    auto *car2 = SpriteMgr2.AnimationAt(SpriteMgr2.AddAnimation(QStringLiteral("car"), true, 100));
    for (int d = 0; d < 32; ++d) {
        car1->SetFrames(d, {d + 1});
        car2->SetFrames(d, {33 + d});
    }
    AddAnimation(SpriteMgr1, "Cone", true, 100, {65});
    AddAnimation(SpriteMgr1, "SpinCone", false, 60, {65, 66, 67, 68, 65, 66, 67});
    AddAnimation(SpriteMgr1, "SpinCar", false, 1, {4, 8, 12, 16, 20, 24, 28});
    AddAnimation(SpriteMgr2, "SpinCar", false, 1, {37, 41, 45, 49, 53, 57, 61});
    const int offsets[2] = {20, 45};
    for (int player = 1; player <= 2; ++player) {
        dgc::TDGCRaceCar *car = scene.SpriteMgr(player).AddRaceCar(
            0, fields.StartX - 35, fields.StartY + offsets[player - 1], 8, 10, 0);
        car->EdgeAction = dgc::EdgeBounce;
        car->SetDeceleration(1);
    }
    for (int id = 1; id <= fields.ConeCount; ++id) {
        dgc::TDGCBouncer *cone = SpriteMgr1.AddBouncer(id, 1000, 1000, 0, Animation::Cone);
        cone->EdgeAction = dgc::EdgeBounce;
        cone->Stopped = true;
    }
    AddAnimation(SpriteMgr1, "finish", false, 0, {0});
    SpriteMgr1.AddStatic(0, fields.StartX, fields.StartY, 8, Animation::Finish)->EdgeAction =
        dgc::EdgeStopOutside;
    SpriteMgr1.OnAnimationEnd = [this](dgc::TDGCSprite *sprite) { ParkSpunCone(scene, *sprite); };
}

void DriveTest::DrawTrack()
{
    screen.DrawMap(screen.Back(), 0, 1, 1, true);
    DrawHeadsUp(scene);
}

void DriveTest::RunStep()
{
    DrawTrack();
    UpdateRace(scene);
    clock.Advance(16);
}

bool DriveTest::RunFrame(TRaceInputs &inputs)
{
    screen.OnFlip = [&] {
        DrawTrack();
        CheckCones(scene);
        UpdateRace(scene);
        SpriteMgr1.DrawAll();
        SpriteMgr2.DrawAll();
        PollInputs(fields, inputs.Input1.get(), inputs.Input2.get(), Car(1), Car(2), screen.TickCount(), 50);
    };
    return screen.StepFrame();
}

void DriveTest::SetUpRaceUnderWay()
{
    SetUpRace(DefaultTrack());
    ClearCones();
    sound.pollsPerPlay = 0;
    fields.StartPending = false;
}

void DriveTest::ClearCones()
{
    for (int i = 1; i <= fields.ConeCount; ++i) {
        ParkSpunCone(scene, Cone(i));
        Cone(i).SetMaxSpeed(0);
        Cone(i).Stopped = false;
    }
}

void DriveTest::Place(int player, int x, int y, int direction, double speed)
{
    dgc::TDGCSprite &car = Car(player);
    car.MoveTo(x, y);
    car.SetDirection(direction);
    car.SetSpeed(speed);
}

TTrackRec TrackOf(std::initializer_list<std::int32_t> codes)
{
    TTrackRec track{};
    int k = 0;
    for (std::int32_t code : codes)
        track.Tiles[std::size_t(k++)] = code;
    return track;
}

} // namespace drivetest
