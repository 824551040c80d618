#include "sk2application.h"

#include "standarderror.h"

Sk2Application::Sk2Application(int &argc, char **argv)
    : QApplication(argc, argv)
{}

bool Sk2Application::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    RunHandler(activeWindow(), [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
