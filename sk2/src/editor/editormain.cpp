// Opens the track editor by itself on the track file, for working on the editor without the rest of
// the game around it.
#include "trackedit.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Skarvel II"));
    try {
        sk2::OpenTrackFile();
    } catch (const std::exception &error) {
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(),
                              QString::fromUtf8(error.what()));
        return 1;
    }
    {
        sk2::TTrackEdit editor;
        editor.exec();
    }
    try {
        sk2::CloseTrackFile();
    } catch (const std::exception &error) {
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(),
                              QString::fromUtf8(error.what()));
        return 1;
    }
    return 0;
}
