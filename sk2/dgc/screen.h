#pragma once

// TDGCScreen: the full-screen 8-bit display of a race. It owns the back buffer the frame is drawn into
// and the front picture on show, the surfaces of the image and tile libraries, the palette and its
// fades, and the frame loop: while FlippingEnabled, each pass raises OnFlip and then flips. An exception
// leaving OnFlip ends that pass early (no flip); it beeps (BeepOnException) and is traced (Debug), and
// the next pass runs normally.
//
// Open() stands for showing the screen's form: it takes the display, loads the library images, takes
// the palette, clears the back buffer to index 0 and raises OnInitialize once. With a window display
// the frame loop then runs on the application's idle processing, one pass per display refresh; with the
// headless display tests call StepFrame() for each pass.

#include "canvas.h"
#include "display.h"
#include "palette.h"
#include "surface.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace sk2::dgc {

class TDGCImageLib;
class TDGCMapLib;

enum TDisplayMode { dm640x480x8, dm800x600x8 };

class TDGCScreen : public QObject
{
    Q_OBJECT

public:
    explicit TDGCScreen(QObject *parent = nullptr);
    ~TDGCScreen() override;

    // Settings of the design.
    TDisplayMode DisplayMode() const { return m_displayMode; }
    void SetDisplayMode(TDisplayMode mode) { m_displayMode = mode; }
    bool FlippingEnabled() const { return m_flippingEnabled; }
    void SetFlippingEnabled(bool enabled);
    int BackBuffers = 2;
    bool Debug = false;
    bool BeepOnException = false;
    bool PaletteCycle = false;
    bool SkipTile0 = false;
    void SetImageLibrary(const TDGCImageLib *library) { m_imageLibrary = library; }
    void SetTileLibrary(const TDGCImageLib *library) { m_tileLibrary = library; }
    void SetMapLibrary(TDGCMapLib *library) { m_mapLibrary = library; }

    std::function<void()> OnInitialize;
    std::function<void()> OnFlip;

    // Where frames go and where time comes from; both must outlive the screen's use of them. Without a
    // display frames go nowhere; without a clock the system clock is used.
    void SetDisplay(DGCDisplay *display) { m_display = display; }
    void SetClock(const DGCClock *clock) { m_clock = clock; }
    std::uint32_t TickCount() const;

    void Open();
    void Close();
    bool IsOpen() const { return m_open; }

    // Size of the front surface (the display mode's size once open).
    int Width() const { return m_front.Width(); }
    int Height() const { return m_front.Height(); }
    TDGCSurface &Back() { return m_back; }
    const TDGCSurface &Front() const { return m_front; }
    DGCCanvas &Canvas() { return m_canvas; }
    const DGCPalette &Palette() const { return m_palette; }

    // One pass of the frame loop, when FlippingEnabled; false when no pass ran.
    bool StepFrame();
    // Shows the back buffer, then waits for the display's next refresh.
    void Flip();

    // Draws every tile of map number map with its top-left corner at (x, y), clipped to target.
    void DrawMap(TDGCSurface &target, int map, int x, int y, bool opaque);
    struct TileHit
    {
        int column = -1;
        int row = -1;
        int value = 0;
    };
    // The map cell under a screen point, for the map as last drawn.
    TileHit TileAt(int x, int y) const;
    int GetMapTile(int column, int row) const;
    void SetMapTile(int column, int row, int value);

    int ImageCount() const { return int(m_images.size()); }
    // The surface of image n of the image library; EDGCError when there is no such image.
    const TDGCSurface &ImageSurface(int n) const;
    int TileCount() const { return int(m_tiles.size()); }

    // The palette from its present brightness to black, or from black to full, in n + 1 steps, one per
    // display refresh.
    void FadeOut(int n);
    void FadeIn(int n);
    double FadeLevel() const { return m_fadeLevel; }

signals:
    // The frame loop has stopped: flipping was switched off or the screen closed.
    void FrameLoopEnded();

private:
    void RunFramePass();
    void ReportException(const QString &message);
    void ShowFront();
    void FadeTo(double target, int steps);

    TDisplayMode m_displayMode = dm800x600x8;
    bool m_flippingEnabled = true;
    const TDGCImageLib *m_imageLibrary = nullptr;
    const TDGCImageLib *m_tileLibrary = nullptr;
    TDGCMapLib *m_mapLibrary = nullptr;
    DGCDisplay *m_display = nullptr;
    const DGCClock *m_clock = nullptr;
    std::unique_ptr<DGCClock> m_systemClock;

    bool m_open = false;
    bool m_inPass = false;
    TDGCSurface m_back;
    TDGCSurface m_front;
    DGCPalette m_palette;
    DGCCanvas m_canvas;
    double m_fadeLevel = 1.0;
    std::vector<TDGCSurface> m_images;
    std::vector<TDGCSurface> m_tiles;
    QTimer m_frameTimer;

    // Where the map was last drawn, for TileAt.
    int m_mapX = 0;
    int m_mapY = 0;
    int m_mapNumber = -1;
    int m_tileWidth = 0;
    int m_tileHeight = 0;
};

} // namespace sk2::dgc
