#include "drivecar.h"

#include "drivefields.h"
#include "raceflowsound.h"
#include "screen.h"
#include "spritemgr.h"

#include <algorithm>
#include <array>

namespace sk2::race {

namespace {

using dgc::TDGCSprite;
using dgc::TDGCSurface;

// The screen points of a car that the contact steps read: its corners and its reference point.
struct TCarPoints
{
    int tl, tr, bl, br, reference;

    bool Any(int index) const
    {
        return tl == index || tr == index || bl == index || br == index || reference == index;
    }
};

TCarPoints ReadCarPoints(const TDGCSurface &back, const TDGCSprite &car)
{
    const int x = car.X();
    const int y = car.Y();
    const int w = car.Width();
    const int h = car.Height();
    return {back.GetPixel(x, y), back.GetPixel(x + w, y), back.GetPixel(x, y + h),
            back.GetPixel(x + w, y + h), back.GetPixel(x + 10, y + 14)};
}

// Whether some pixel of the car's picture lies on a drawn pixel that is not road: the back buffer
// holds only the track and the heads-up boxes at this point of the frame.
bool TouchesOffRoad(const TRaceScene &scene, const TDGCSprite &car)
{
    const TDGCSurface *image = car.Image();
    return image && image->Overlaps(car.X(), car.Y(), scene.Screen.Back(), 0, 0, true);
}

// Marks the cell under the car's reference point as visited and returns its map value.
int MarkVisited(TRaceScene &scene, const TDGCSprite &car, TVisitedFlags &visited)
{
    const auto tile = scene.Screen.TileAt(car.X() + 10, car.Y() + 14);
    // Values below 8 are road and the pond: a pond once entered must then be entered every lap.
    if (tile.column >= 0 && tile.row >= 0 && tile.value < PlainGrassValue)
        visited[std::size_t(tile.column)][std::size_t(tile.row)] = Visited;
    return tile.value;
}

// Carries the car over the band of grass beside the crossing's other road, down or up by its own
// height plus gap.
void JumpAcross(TDGCSprite &car, int dy, int gap)
{
    if (car.Direction() >= 10 && car.Direction() <= 24) {
        car.SetDirection(16);
        car.SetY(car.Y() + car.Height() + gap + dy);
    } else {
        car.SetDirection(31);
        car.SetY(car.Y() - car.Height() - gap + dy);
    }
}

void Underpass(TDGCSprite &car, TPlayerFields &player, int tileValue, const TCarPoints &points)
{
    const std::uint8_t marker = ::MarkerColour;
    const bool crossingRules = tileValue == 6 || marker == 245;
    if (!crossingRules) {
        car.Visible = true;
        player.Hidden = false;
        player.Reappear = false;
        return;
    }
    if (!player.Hidden && points.Any(marker)) {
        JumpAcross(car, player.Step.Dy, 25);
        player.Hidden = true;
        car.Visible = false;
        player.Reappear = false;
    } else if (player.Hidden) {
        JumpAcross(car, player.Step.Dy, 15);
        player.Reappear = true;
    }
}

void WallResponse(TRaceScene &scene, TDGCSprite &car, TPlayerFields &player)
{
    const int turned = WallTurn(scene, car.X(), car.Y(), car.Direction(), car.Height(), car.Width());
    const TCarStep &step = player.Step;
    if (player.WallCount == 0)
        car.MoveTo(step.OldX - step.Dx, step.OldY - step.Dy);
    else if (player.WallCount <= 3)
        car.MoveTo(step.OldX, step.OldY);
    if (player.WallCount == 3) {
        if (player.Player == 1)
            car.SetSpeed(0);
        else if (car.Speed() > 1)
            car.SetSpeed(car.Speed() - 1);
    }
    car.SetDirection(WrapWallTurn(player.Player, turned));
    PlaySound(scene, Sound::Wall, false);
}

void HitCone(TRaceScene &scene, TDGCSprite &cone, const TDGCSprite &car, std::int32_t &bonusScore)
{
    cone.SetMaxSpeed(car.MaxSpeed() + 1);
    cone.SetSpeed(car.Speed() + 2);
    cone.SetDirection(car.Direction());
    cone.SetAnimation(Animation::SpinCone);
    cone.EdgeAction = dgc::EdgeStopOutside;
    bonusScore += 10;
    PlaySound(scene, Sound::Cone, false);
}

// Car 1 touches a cone with its present picture; car 2 with the picture it showed when the game step
// began.
TDGCSprite *FirstConeTouched(const TRaceScene &scene, int player)
{
    const std::int32_t cones = scene.Fields.ConeCount;
    if (player == 1) {
        for (int i = 1; i <= cones; ++i) {
            if (scene.SpriteMgr1.SpritesOverlap(i, 0))
                return scene.SpriteMgr1.Sprite(i);
        }
        return nullptr;
    }
    const TDGCSprite &car = scene.Car(2);
    const TDGCSurface *carImage = scene.SpriteMgr2.ImageFor(scene.Fields.StartImage2);
    if (!carImage)
        return nullptr;
    for (int i = 1; i <= cones; ++i) {
        TDGCSprite *cone = scene.SpriteMgr1.Sprite(i);
        const TDGCSurface *coneImage = cone ? cone->Image() : nullptr;
        if (coneImage && coneImage->Overlaps(cone->X(), cone->Y(), *carImage, car.X(), car.Y(), true))
            return cone;
    }
    return nullptr;
}

void BounceBack(TDGCSprite &car, const TCarStep &step, int direction)
{
    car.MoveTo(step.OldX - step.Dx, step.OldY - step.Dy);
    car.SetDirection(direction);
}

} // namespace

void DriveCar(TRaceScene &scene, int player)
{
    TPlayerFields fields = PlayerFields(scene.Fields, player);
    TDGCSprite &car = scene.Car(player);
    fields.Step.OldX = car.X();
    fields.Step.OldY = car.Y();
    scene.SpriteMgr(player).MoveAll(scene.Screen.TickCount());
    fields.Step.Dx = car.X() - fields.Step.OldX;
    fields.Step.Dy = car.Y() - fields.Step.OldY;

    const int tileValue = MarkVisited(scene, car, fields.Visited);
    if (fields.Reappear) {
        car.Visible = true;
        fields.Hidden = false;
        fields.Reappear = false;
    }
    if (!TouchesOffRoad(scene, car)) {
        fields.WallCount = 0;
        return;
    }
    Underpass(car, fields, tileValue, ReadCarPoints(scene.Screen.Back(), car));
    if (car.Speed() > 0 && !fields.Hidden)
        WallResponse(scene, car, fields);
    ++fields.WallCount;
}

int NearestHint(const TRaceScene &scene, int x, int y)
{
    const TRaceFields &fields = scene.Fields;
    if (fields.CellWidth <= 0 || fields.CellHeight <= 0)
        return 0;
    const int column = std::clamp(x / fields.CellWidth, 0, HintGridSize - 1);
    const int row = std::clamp(y / fields.CellHeight, 0, HintGridSize - 1);
    return ::HintGrid[std::size_t(row)][std::size_t(column)];
}

int WallTurn(const TRaceScene &scene, int x, int y, int d, int h, int w)
{
    const TDGCSurface &back = scene.Screen.Back();
    const int road = scene.Fields.RoadColour;
    const bool tl = back.GetPixel(x, y) == road;
    const bool tr = back.GetPixel(x + w, y) == road;
    const bool bl = back.GetPixel(x, y + h) == road;
    const bool br = back.GetPixel(x + w, y + h) == road;

    // By the sector of d: whether the corners it watches are all on road, and where to ask for a hint.
    bool unchanged = false;
    int lookX = x;
    int lookY = y;
    if (d == 0) {
        unchanged = false;
    } else if (d <= 4) {
        unchanged = tl && tr;
    } else if (d <= 8) {
        unchanged = tr && br;
        lookX = x + 4;
        lookY = y + 4;
    } else if (d <= 12) {
        unchanged = tl && tr && br;
        lookX = x + w;
        lookY = y + 10;
    } else if (d <= 16) {
        unchanged = tr && bl && br;
        lookX = x + w / 2;
        lookY = y + h;
    } else if (d <= 20) {
        unchanged = tl && bl && br;
        lookX = x + 5;
        lookY = y + h;
    } else if (d <= 24) {
        unchanged = tl && bl;
        lookY = y + h / 2;
    } else if (d <= 28) {
        unchanged = tl && tr && bl;
        lookX = x + 2;
        lookY = y + 5;
    } else {
        unchanged = tl && tr;
    }
    return unchanged ? d : d + NearestHint(scene, lookX, lookY);
}

int WrapWallTurn(int player, int r)
{
    if (player == 1) {
        if (r >= 31)
            return 1;
        if (r <= 0)
            return 30;
        return r;
    }
    if (r >= 31)
        return 0;
    if (r <= 0)
        return 31;
    return r;
}

void CarContact(TRaceScene &scene)
{
    TRaceFields &fields = scene.Fields;
    if (fields.Hidden1 || fields.Hidden2)
        return;
    const TDGCSurface *image1 = scene.SpriteMgr1.ImageFor(fields.StartImage1);
    const TDGCSurface *image2 = scene.SpriteMgr2.ImageFor(fields.StartImage2);
    TDGCSprite &car1 = scene.Car(1);
    TDGCSprite &car2 = scene.Car(2);
    if (!image1 || !image2 || !image1->Overlaps(car1.X(), car1.Y(), *image2, car2.X(), car2.Y(), true))
        return;
    const int d1 = car1.Direction();
    const int d2 = car2.Direction();
    BounceBack(car1, fields.Step1, d2);
    if (fields.WallCount1 == 0 && car1.Speed() > 1) {
        car1.SetSpeed(car1.Speed() - 1);
        PlaySound(scene, Sound::Signal, false);
    }
    BounceBack(car2, fields.Step2, d1);
    if (fields.WallCount2 == 0 && car2.Speed() > 1)
        car2.SetSpeed(car2.Speed() - 1);
}

void ConeHits(TRaceScene &scene)
{
    for (int player = 1; player <= 2; ++player) {
        TPlayerFields fields = PlayerFields(scene.Fields, player);
        if (fields.Hidden)
            continue;
        if (TDGCSprite *cone = FirstConeTouched(scene, player))
            HitCone(scene, *cone, scene.Car(player), fields.BonusScore);
    }
}

} // namespace sk2::race
