#include "screenview.h"

#include <QWidget>

#include <gtest/gtest.h>

using namespace sk2::dgc;

TEST(ScreenView, FramesAreScaledToFitWithTheirAspectKept)
{
    const struct
    {
        QSize frame, view;
        QRect expected;
    } cases[] = {
        {{800, 600}, {1920, 1080}, {240, 0, 1440, 1080}},
        {{640, 480}, {1280, 1024}, {0, 32, 1280, 960}},
        {{800, 600}, {800, 600}, {0, 0, 800, 600}},
        {{800, 600}, {0, 0}, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DGCScreenView::FrameRect(c.frame, c.view), c.expected) << c.view.width();
}

TEST(ScreenView, PresentsTheFrameInThePaletteColours)
{
    QWidget form;
    DGCScreenView::PrepareForm(&form);
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(form.windowState() & Qt::WindowFullScreen);
    DGCScreenView view(&form);
    view.resize(400, 300);
    view.Open(8, 6);
    TDGCSurface frame(8, 6, 1);
    frame.SetPixel(0, 0, 2);
    std::array<QRgb, 256> colours{};
    colours[1] = qRgb(0, 0, 255);
    colours[2] = qRgb(255, 255, 0);
    view.Present(frame, colours);
    const QImage shown = view.grab().toImage();
    EXPECT_EQ(shown.pixel(10, 10), qRgb(255, 255, 0)) << "each frame pixel becomes a 50 x 50 block";
    EXPECT_EQ(shown.pixel(60, 10), qRgb(0, 0, 255));
    EXPECT_EQ(form.cursor().shape(), Qt::BlankCursor);
    view.Close();
    EXPECT_NE(form.cursor().shape(), Qt::BlankCursor);
}
