#include "mainform.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RPS Tumblor"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.skarvel.tumblor"));

    Tmain main;
    main.show();
    return app.exec();
}
