#include "drivecones.h"

#include "drivefields.h"
#include "racerandom.h"
#include "screen.h"
#include "spritemgr.h"

namespace sk2::race {

namespace {

bool LiesOffRoad(const TRaceScene &scene, const dgc::TDGCSprite &cone)
{
    const dgc::TDGCSurface *image = cone.Image();
    return image && image->Overlaps(cone.X(), cone.Y(), scene.Screen.Back(), 0, 0, true);
}

} // namespace

void CheckCones(TRaceScene &scene)
{
    for (int i = 1; i <= scene.Fields.ConeCount; ++i) {
        dgc::TDGCSprite *cone = scene.SpriteMgr1.Sprite(i);
        if (!cone->Stopped)
            return;
        cone->Visible = false;
    }
    ScatterCones(scene);
}

void ScatterCones(TRaceScene &scene)
{
    const int width = scene.Screen.Back().Width();
    const int height = scene.Screen.Back().Height();
    for (int i = 1; i <= scene.Fields.ConeCount; ++i) {
        dgc::TDGCSprite &cone = *scene.SpriteMgr1.Sprite(i);
        cone.Visible = true;
        int placements = 0;
        do {
            const int x = scene.Random.Random(width);
            cone.MoveTo(x, scene.Random.Random(height));
            ++placements;
        } while (placements < MaxConePlacements && LiesOffRoad(scene, cone));
        cone.SetSpeed(0);
        cone.SetAnimation(Animation::Cone);
        cone.EdgeAction = dgc::EdgeBounce;
        cone.Stopped = false;
    }
}

void ParkSpunCone(TRaceScene &scene, dgc::TDGCSprite &sprite)
{
    if (sprite.ID < 1 || sprite.ID > scene.Fields.ConeCount)
        return;
    sprite.MoveTo(0, 0);
    sprite.Stopped = true;
    sprite.Visible = false;
    sprite.SetSpeed(0);
    sprite.SetAnimation(Animation::Cone);
    sprite.EdgeAction = dgc::EdgeBounce;
}

} // namespace sk2::race
