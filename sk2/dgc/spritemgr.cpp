#include "spritemgr.h"

#include "screen.h"
#include "surface.h"

namespace sk2::dgc {

TDGCSpriteMgr::TDGCSpriteMgr(TDGCScreen *screen)
    : m_screen(screen)
{}

TDGCSpriteMgr::~TDGCSpriteMgr() = default;

int TDGCSpriteMgr::AddAnimation(const QString &name, bool loops, int delay)
{
    DGCAnimation animation;
    animation.Name = name;
    animation.Loops = loops;
    animation.Delay = delay;
    m_animations.push_back(std::move(animation));
    return AnimationCount() - 1;
}

DGCAnimation *TDGCSpriteMgr::AnimationAt(int index)
{
    return index >= 0 && index < AnimationCount() ? &m_animations[std::size_t(index)] : nullptr;
}

const DGCAnimation *TDGCSpriteMgr::AnimationAt(int index) const
{
    return index >= 0 && index < AnimationCount() ? &m_animations[std::size_t(index)] : nullptr;
}

template<class Kind, class... Args>
Kind *TDGCSpriteMgr::Add(int id, int x, int y, int direction, int animation, Args &&...args)
{
    auto sprite = std::make_unique<Kind>(*this, std::forward<Args>(args)...);
    sprite->ID = id;
    sprite->MoveTo(x, y);
    sprite->SetAnimation(animation);
    sprite->SetDirection(direction);
    Kind *added = sprite.get();
    m_sprites.push_back(std::move(sprite));
    return added;
}

TDGCRaceCar *TDGCSpriteMgr::AddRaceCar(int id, int x, int y, int direction, double maxSpeed, int animation)
{
    return Add<TDGCRaceCar>(id, x, y, direction, animation, maxSpeed);
}

TDGCBouncer *TDGCSpriteMgr::AddBouncer(int id, int x, int y, int direction, int animation)
{
    return Add<TDGCBouncer>(id, x, y, direction, animation);
}

TDGCStatic *TDGCSpriteMgr::AddStatic(int id, int x, int y, int direction, int animation)
{
    return Add<TDGCStatic>(id, x, y, direction, animation);
}

TDGCSprite *TDGCSpriteMgr::Sprite(int i) const
{
    return i >= 0 && i < Count() ? m_sprites[std::size_t(i)].get() : nullptr;
}

void TDGCSpriteMgr::MoveAll(std::uint32_t tick)
{
    for (const auto &sprite : m_sprites) {
        if (sprite->Enabled)
            sprite->Move(tick);
    }
}

void TDGCSpriteMgr::DrawAll()
{
    if (!m_screen)
        return;
    TDGCSurface &back = m_screen->Back();
    for (const auto &sprite : m_sprites) {
        if (!sprite->Visible)
            continue;
        if (const TDGCSurface *image = sprite->Image())
            back.Draw(sprite->X(), sprite->Y(), *image, true);
    }
}

bool TDGCSpriteMgr::SpritesOverlap(int i, int j) const
{
    const TDGCSprite *first = Sprite(i);
    const TDGCSprite *second = Sprite(j);
    if (!first || !second || !first->Enabled || !second->Enabled)
        return false;
    const TDGCSurface *firstImage = first->Image();
    const TDGCSurface *secondImage = second->Image();
    if (!firstImage || !secondImage)
        return false;
    return firstImage->Overlaps(first->X(), first->Y(), *secondImage, second->X(), second->Y(), true);
}

std::uint32_t TDGCSpriteMgr::TickCount() const
{
    return m_screen ? m_screen->TickCount() : 0;
}

const TDGCSurface *TDGCSpriteMgr::ImageFor(int imageNumber) const
{
    if (!m_screen || imageNumber < 0 || imageNumber >= m_screen->ImageCount())
        return nullptr;
    return &m_screen->ImageSurface(imageNumber);
}

int TDGCSpriteMgr::ScreenWidth() const
{
    return m_screen ? m_screen->Width() : 0;
}

int TDGCSpriteMgr::ScreenHeight() const
{
    return m_screen ? m_screen->Height() : 0;
}

void TDGCSpriteMgr::RaiseAnimationEnd(TDGCSprite *sprite)
{
    if (OnAnimationEnd)
        OnAnimationEnd(sprite);
}

} // namespace sk2::dgc
