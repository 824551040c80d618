#include "framewindow.h"
#include "pieces.h"

#include <QApplication>
#include <QDateTime>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tesselo"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.skarvel.tesselo"));

    // Whole seconds since 1970 with the milliseconds of the current second ORed in.
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    SeedRandom(std::uint32_t(now / 1000) | std::uint32_t(now % 1000));

    tesselo::FrameWindow frame;
    frame.show();
    return app.exec();
}
