#include "screen.h"

#include "dgcerror.h"
#include "imagelib.h"
#include "maplib.h"
#include "trace.h"

#include <algorithm>

namespace sk2::dgc {

TDGCScreen::TDGCScreen(QObject *parent)
    : QObject(parent)
    , m_canvas(m_back, m_palette)
{
    // A zero-interval timer fires whenever the event loop has nothing else to do: idle processing.
    m_frameTimer.setInterval(0);
    connect(&m_frameTimer, &QTimer::timeout, this, &TDGCScreen::RunFramePass);
}

TDGCScreen::~TDGCScreen()
{
    Close();
}

std::uint32_t TDGCScreen::TickCount() const
{
    if (m_clock)
        return m_clock->TickCount();
    return SystemClock().TickCount();
}

void TDGCScreen::SetFlippingEnabled(bool enabled)
{
    m_flippingEnabled = enabled;
    if (enabled && m_open && m_display && m_display->RunsFrameLoop() && !m_frameTimer.isActive())
        m_frameTimer.start();
}

void TDGCScreen::Open()
{
    if (m_open)
        return;
    const bool small = m_displayMode == dm640x480x8;
    const int width = small ? 640 : 800;
    const int height = small ? 480 : 600;
    m_back = TDGCSurface(width, height, 0);
    m_front = TDGCSurface(width, height, 0);
    m_images.clear();
    m_tiles.clear();
    if (m_imageLibrary) {
        for (int n = 0; n < m_imageLibrary->Count(); ++n)
            m_images.push_back(m_imageLibrary->Image(n));
    }
    if (m_tileLibrary) {
        for (int n = 0; n < m_tileLibrary->Count(); ++n)
            m_tiles.push_back(m_tileLibrary->Image(n));
    }
    // The libraries share one palette; the sprite library's comes first when it has pictures.
    if (m_imageLibrary && m_imageLibrary->Count() > 0)
        m_palette = m_imageLibrary->Palette();
    else if (m_tileLibrary)
        m_palette = m_tileLibrary->Palette();
    for (TDGCSurface &surface : m_images)
        surface.SetTransparentColor(0);
    for (TDGCSurface &surface : m_tiles)
        surface.SetTransparentColor(0);
    m_fadeLevel = 1.0;
    m_mapNumber = -1;
    if (m_display)
        m_display->Open(width, height);
    m_open = true;
    if (OnInitialize)
        OnInitialize();
    if (m_open && m_flippingEnabled && m_display && m_display->RunsFrameLoop())
        m_frameTimer.start();
}

void TDGCScreen::Close()
{
    const bool looping = m_frameTimer.isActive();
    m_frameTimer.stop();
    if (!m_open)
        return;
    m_open = false;
    if (m_display)
        m_display->Close();
    if (looping)
        emit FrameLoopEnded();
}

bool TDGCScreen::StepFrame()
{
    if (!m_open || !m_flippingEnabled || m_inPass)
        return false;
    m_inPass = true;
    bool flip = true;
    try {
        if (OnFlip)
            OnFlip();
    } catch (const std::exception &error) {
        ReportException(QString::fromStdString(error.what()));
        flip = false;
    } catch (...) {
        ReportException(QStringLiteral("Unknown exception in a frame"));
        flip = false;
    }
    if (flip)
        Flip();
    m_inPass = false;
    return true;
}

void TDGCScreen::RunFramePass()
{
    StepFrame();
    if (m_frameTimer.isActive() && (!m_open || !m_flippingEnabled)) {
        m_frameTimer.stop();
        emit FrameLoopEnded();
    }
}

void TDGCScreen::ReportException(const QString &message)
{
    if (BeepOnException && m_display)
        m_display->Beep();
    if (Debug)
        Trace(message);
}

void TDGCScreen::Flip()
{
    if (!m_open)
        return;
    m_front = m_back;
    ShowFront();
    if (m_display)
        m_display->WaitForRefresh();
}

void TDGCScreen::ShowFront()
{
    if (m_display)
        m_display->Present(m_front, m_palette.Scaled(m_fadeLevel));
}

void TDGCScreen::DrawMap(TDGCSurface &target, int map, int x, int y, bool opaque)
{
    const TDGCMapLib::Map *cells = m_mapLibrary ? m_mapLibrary->MapAt(map) : nullptr;
    if (!cells || m_tiles.empty())
        return;
    m_mapX = x;
    m_mapY = y;
    m_mapNumber = map;
    m_tileWidth = m_tiles.front().Width();
    m_tileHeight = m_tiles.front().Height();
    for (int row = 0; row < cells->rows; ++row) {
        for (int column = 0; column < cells->columns; ++column) {
            const int value = cells->values[std::size_t(row * cells->columns + column)];
            if (value < 0 || value >= TileCount() || (SkipTile0 && value == 0))
                continue;
            target.Draw(x + column * m_tileWidth, y + row * m_tileHeight, m_tiles[std::size_t(value)],
                        !opaque);
        }
    }
}

TDGCScreen::TileHit TDGCScreen::TileAt(int x, int y) const
{
    const TDGCMapLib::Map *cells = m_mapLibrary ? m_mapLibrary->MapAt(m_mapNumber) : nullptr;
    if (!cells || m_tileWidth <= 0 || m_tileHeight <= 0 || x < m_mapX || y < m_mapY)
        return {};
    const int column = (x - m_mapX) / m_tileWidth;
    const int row = (y - m_mapY) / m_tileHeight;
    if (column >= cells->columns || row >= cells->rows)
        return {};
    return {column, row, cells->values[std::size_t(row * cells->columns + column)]};
}

int TDGCScreen::GetMapTile(int column, int row) const
{
    return m_mapLibrary ? m_mapLibrary->GetTile(0, column, row) : 0;
}

void TDGCScreen::SetMapTile(int column, int row, int value)
{
    if (m_mapLibrary)
        m_mapLibrary->SetTile(0, column, row, value);
}

const TDGCSurface &TDGCScreen::ImageSurface(int n) const
{
    if (n < 0 || n >= ImageCount())
        throw EDGCError(
            QStringLiteral("Image %1 is not on the screen (it holds %2)").arg(n).arg(ImageCount()));
    return m_images[std::size_t(n)];
}

void TDGCScreen::FadeOut(int n)
{
    FadeTo(0.0, n + 1);
}

void TDGCScreen::FadeIn(int n)
{
    m_fadeLevel = 0.0;
    FadeTo(1.0, n + 1);
}

void TDGCScreen::FadeTo(double target, int steps)
{
    const double start = m_fadeLevel;
    steps = std::max(steps, 1);
    for (int step = 1; step <= steps; ++step) {
        m_fadeLevel = start + (target - start) * step / steps;
        if (m_open) {
            ShowFront();
            if (m_display)
                m_display->WaitForRefresh();
        }
    }
    m_fadeLevel = target;
}

} // namespace sk2::dgc
