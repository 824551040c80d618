// sk2race: runs one race by itself, without the start-up form, for development.
//
//   sk2race [TRACK] [--640]
//
// TRACK is a record number of the track file (default: the settings' Track/LastPicked); it is written
// to the settings file as the start-up form would. --640 races on the 640 x 480 screen.
#include "libraryfiles.h"
#include "racecaru2.h"
#include "sk2settings.h"
#include "trackfile.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <cstdio>

using namespace sk2;

namespace {

int RunRace(bool small)
{
    race::Tskrace2game form;
    form.DGCSoundLib1.LoadFromFile(race::LibraryFilePath(QStringLiteral("sk2demo.sdl")));
    if (small) {
        form.DGCScreen1.SetDisplayMode(dgc::dm640x480x8);
        form.DGCImageLibTrack.LoadFromFile(race::LibraryFilePath(QStringLiteral("track36.iml")));
    }
    form.ShowModal();
    std::printf("Bonus scores: %d and %d\n", form.BonusScore1, form.BonusScore2);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Skarvel"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Runs one race of sk2 by itself."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("track"),
                                 QStringLiteral("Record number of the track to race."));
    const QCommandLineOption small(QStringLiteral("640"), QStringLiteral("Race on the 640 x 480 screen."));
    parser.addOption(small);
    parser.process(app);

    try {
        OpenTrackFile();
        if (!parser.positionalArguments().isEmpty()) {
            bool ok = false;
            const int track = parser.positionalArguments().front().toInt(&ok);
            if (!ok)
                parser.showHelp(2);
            Settings().WriteInteger(Keys::LastPicked, track);
        }
        RacesInMatch = 1;
        CurrentRaceNo = 1;
        const int result = RunRace(parser.isSet(small));
        CloseTrackFile();
        return result;
    } catch (const std::exception &error) {
        QMessageBox::critical(nullptr, QApplication::applicationName(), QString::fromLocal8Bit(error.what()));
        CloseTrackFile();
        return 1;
    }
}
