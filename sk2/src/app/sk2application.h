#pragma once

#include <QApplication>

// The application object of sk2. An exception that leaves any event handler is shown in the standard
// error box instead of ending the program, and the rest of that handler is skipped.
class Sk2Application : public QApplication
{
public:
    Sk2Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
