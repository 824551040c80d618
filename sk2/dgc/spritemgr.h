#pragma once

// TDGCSpriteMgr: a list of sprites on one screen with their named animations. MoveAll steps every
// enabled sprite in list order, DrawAll draws every visible one into the screen's back buffer (palette
// index 0 transparent) in list order, and SpritesOverlap tests two sprites' current images pixel by
// pixel. A non-looping animation that has shown its last frame raises OnAnimationEnd with its sprite,
// again each time its frame delay passes.

#include "animation.h"
#include "sprite.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace sk2::dgc {

class TDGCScreen;
class TDGCSurface;

class TDGCSpriteMgr
{
public:
    explicit TDGCSpriteMgr(TDGCScreen *screen = nullptr);
    ~TDGCSpriteMgr();

    TDGCScreen *DGCScreen() const { return m_screen; }
    void SetDGCScreen(TDGCScreen *screen) { m_screen = screen; }

    // Adds an animation with no frames yet and returns its index.
    int AddAnimation(const QString &name, bool loops, int delay);
    int AnimationCount() const { return int(m_animations.size()); }
    DGCAnimation *AnimationAt(int index);
    const DGCAnimation *AnimationAt(int index) const;

    TDGCRaceCar *AddRaceCar(int id, int x, int y, int direction, double maxSpeed, int animation);
    TDGCBouncer *AddBouncer(int id, int x, int y, int direction, int animation);
    TDGCStatic *AddStatic(int id, int x, int y, int direction, int animation);

    int Count() const { return int(m_sprites.size()); }
    // Sprite i in list order; nullptr when there is none.
    TDGCSprite *Sprite(int i) const;
    void Clear() { m_sprites.clear(); }

    void MoveAll(std::uint32_t tick);
    void DrawAll();
    bool SpritesOverlap(int i, int j) const;

    std::function<void(TDGCSprite *)> OnAnimationEnd;

    // For the sprites: time, pictures and the screen's size.
    std::uint32_t TickCount() const;
    const TDGCSurface *ImageFor(int imageNumber) const;
    int ScreenWidth() const;
    int ScreenHeight() const;
    void RaiseAnimationEnd(TDGCSprite *sprite);

private:
    template<class Kind, class... Args>
    Kind *Add(int id, int x, int y, int direction, int animation, Args &&...args);

    TDGCScreen *m_screen;
    std::vector<DGCAnimation> m_animations;
    std::vector<std::unique_ptr<TDGCSprite>> m_sprites;
};

} // namespace sk2::dgc
