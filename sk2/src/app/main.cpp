// sk2: opens the track file, shows the about box as a splash, then runs the start-up form until it is
// closed, and closes the track file.
#include "aboutbox.h"
#include "raceStart.h"
#include "raceformrunner.h"
#include "setupform.h"
#include "sk2application.h"
#include "trackedit.h"
#include "trackfile.h"

#include <QMessageBox>

int main(int argc, char **argv)
{
    Sk2Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sk2"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.skarvel.sk2"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/sk2/icon.png")));

    try {
        sk2::OpenTrackFile();
    } catch (const std::exception &error) {
        QMessageBox::critical(
            nullptr, QStringLiteral("sk2"),
            QStringLiteral("%1: %2").arg(sk2::TrackFileName(), QString::fromUtf8(error.what())));
        return 1;
    }
    {
        TAboutBox about;
        about.exec();
    }
    QApplication::setApplicationName(QStringLiteral("Skarvel II"));

    TFormRaceDefine form(std::make_unique<RaceFormRunner>());
    form.runSetupForm = [](QWidget *owner) {
        TSetupForm setup(owner);
        return setup.exec() == QDialog::Accepted;
    };
    form.runTrackEditor = [](QWidget *owner) {
        sk2::TTrackEdit editor(owner);
        editor.exec();
        return editor.TracksChanged;
    };
    form.show();
    const int result = app.exec();
    sk2::CloseTrackFile();
    return result;
}
