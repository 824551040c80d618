// The cones: ten of them lie on the road; once every one has been hit and parked, all ten are
// scattered again.
#include "racecaru2.h"

namespace sk2::race {

namespace {
constexpr int ConeAnimation = 1;
// Placements tried for one cone before it stays where the last one put it.
constexpr int MaxPlacements = 499;
} // namespace

void Tskrace2game::CheckCones()
{
    for (int id = 1; id <= ConeCount; ++id) {
        dgc::TDGCSprite *cone = DGCSpriteMgr1.Sprite(id);
        if (!cone->Stopped)
            return;
        cone->Visible = false;
    }
    ScatterCones();
}

void Tskrace2game::ScatterCones()
{
    const dgc::TDGCSurface &back = DGCScreen1.Back();
    for (int id = 1; id <= ConeCount; ++id) {
        dgc::TDGCSprite *cone = DGCSpriteMgr1.Sprite(id);
        cone->Visible = true;
        // A cone must lie wholly on road pixels: anything non-zero under it (grass, a heads-up box)
        // means another try.
        for (int placements = 1;; ++placements) {
            const int x = m_platform.random->Random(back.Width());
            const int y = m_platform.random->Random(back.Height());
            cone->MoveTo(x, y);
            const dgc::TDGCSurface *image = cone->Image();
            if (placements >= MaxPlacements || !image || !image->Overlaps(x, y, back, 0, 0, true))
                break;
        }
        cone->SetSpeed(0);
        cone->SetAnimation(ConeAnimation);
        cone->EdgeAction = dgc::EdgeBounce;
        cone->Stopped = false;
    }
}

} // namespace sk2::race
