// Opens the steering setup by itself, for trying the form out without the rest of the game.
#include "setupform.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Skarvel II"));
    TSetupForm form;
    const int result = form.exec();
    std::printf("%s\n", result == QDialog::Accepted ? "OK" : "Cancel");
    return 0;
}
