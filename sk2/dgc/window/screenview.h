#pragma once

// DGCScreenView: the race's screen on the desktop. It fills its form, which it makes borderless,
// topmost, black and full screen, and shows each 8-bit frame scaled to fit with its aspect kept (black
// bars around it), pixels kept sharp. The monitor's own mode is never changed. Frames are paced at the
// monitor's refresh rate by a precise timer.

#include "display.h"
#include "frameconverter.h"

#include <QImage>
#include <QWidget>

#include <chrono>

namespace sk2::dgc {

class DGCScreenView : public QWidget, public DGCDisplay
{
    Q_OBJECT

public:
    explicit DGCScreenView(QWidget *parent = nullptr);

    // Borderless, topmost, black and full screen: call before the form is first shown.
    static void PrepareForm(QWidget *form);

    void Open(int width, int height) override;
    void Close() override;
    void Present(const TDGCSurface &frame, const std::array<QRgb, 256> &colours) override;
    void WaitForRefresh() override;
    void Beep() override;
    bool RunsFrameLoop() const override { return true; }

    // Where a frame of the given size lands inside the view.
    static QRect FrameRect(const QSize &frame, const QSize &view);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void WaitUntilShown();

    using Clock = std::chrono::steady_clock;

    QImage m_frame;
    FrameConverter m_converter;
    Clock::duration m_period = std::chrono::microseconds(16667);
    Clock::time_point m_nextRefresh;
};

} // namespace sk2::dgc
