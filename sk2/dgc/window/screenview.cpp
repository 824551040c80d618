#include "screenview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <thread>

namespace sk2::dgc {

DGCScreenView::DGCScreenView(QWidget *parent)
    : QWidget(parent)
{
    // The form takes the keys; the view only shows frames.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

void DGCScreenView::PrepareForm(QWidget *form)
{
    form->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    QPalette black = form->palette();
    black.setColor(QPalette::Window, Qt::black);
    form->setPalette(black);
    form->setAutoFillBackground(true);
    // Without a window manager the full-screen state is not honoured: the form covers the monitor
    // by its own size too.
    if (const QScreen *monitor = form->screen())
        form->setGeometry(monitor->geometry());
    form->setWindowState(form->windowState() | Qt::WindowFullScreen);
}

void DGCScreenView::Open(int width, int height)
{
    m_frame = QImage(width, height, QImage::Format_RGB32);
    m_frame.fill(Qt::black);
    window()->setCursor(Qt::BlankCursor);
    const QScreen *monitor = screen();
    const double rate = monitor ? monitor->refreshRate() : 60.0;
    const double hertz = rate >= 20.0 && rate <= 500.0 ? rate : 60.0;
    m_period = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(1.0 / hertz));
    m_nextRefresh = {};
    WaitUntilShown();
}

void DGCScreenView::WaitUntilShown()
{
    // Frames painted before the window system has put the window on the monitor are lost, and the
    // set-up paints its intro without returning to the event loop: so wait for the window first.
    QWindow *handle = window()->windowHandle();
    if (!handle || !window()->isVisible())
        return;
    QElapsedTimer waited;
    waited.start();
    while (!handle->isExposed() && waited.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void DGCScreenView::Close()
{
    window()->unsetCursor();
}

void DGCScreenView::Present(const TDGCSurface &frame, const std::array<QRgb, 256> &colours)
{
    m_converter.Convert(frame, colours, m_frame);
    // Painted at once: fades and the intro present frames without returning to the event loop.
    repaint();
}

void DGCScreenView::WaitForRefresh()
{
    const Clock::time_point now = Clock::now();
    // After a long frame the pace starts afresh instead of rushing to catch up.
    if (m_nextRefresh == Clock::time_point{} || now - m_nextRefresh > m_period)
        m_nextRefresh = now;
    m_nextRefresh += m_period;
    std::this_thread::sleep_until(m_nextRefresh);
}

void DGCScreenView::Beep()
{
    QApplication::beep();
}

QRect DGCScreenView::FrameRect(const QSize &frame, const QSize &view)
{
    if (frame.isEmpty() || view.isEmpty())
        return {};
    const QSize fitted = frame.scaled(view, Qt::KeepAspectRatio);
    return QRect(QPoint((view.width() - fitted.width()) / 2, (view.height() - fitted.height()) / 2), fitted);
}

void DGCScreenView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_frame.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(FrameRect(m_frame.size(), size()), m_frame);
}

} // namespace sk2::dgc
